#pragma once
#include "base/JobProgress.h"

#include <QString>
#include <functional>

class QWidget;

// Runs a long job (an export, a print) on a worker thread while the window
// goes on repainting. After half a second a progress dialog of the window
// shows how many of the job's steps (pages) are done, the time left and a
// Cancel button that asks the job to stop. One job at a time: a second one
// is refused (Failed) while the first runs.
constexpr int PROGRESS_DELAY_MS = 500;
JobResult RunWithProgress(QWidget* parent, const QString& title, const QString& steps,
                          const std::function<bool(JobProgress&)>& job);

// The progress text: "3 of 41 pages, about 12 s left".
QString ProgressText(long long done, long long total, const QString& steps, long long elapsedMs);
