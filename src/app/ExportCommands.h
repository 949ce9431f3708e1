#pragma once

class A_APPL;

#include "base/JobProgress.h"
#include "render/TemplateStyle.h"

#include <functional>
#include <string>

// "&Export...": the layout at 1:1 as an SVG or DXF drawing or a PDF page of
// its size, by the extension the user picks, in the style the user picks;
// written beside the window, with its progress.
void ExportLayoutCommand(A_APPL& appl);

// A long job in the window's worker with its progress dialog, or here and
// now without a window.
JobResult RunAppJob(A_APPL& appl, const std::string& title, const std::string& steps,
                    const std::function<bool(JobProgress&)>& job);

// The two styles as a list offers them, the remembered one first chosen;
// false when cancelled.
bool AskOutputStyle(A_APPL& appl, TrueScaleStyle& style);
