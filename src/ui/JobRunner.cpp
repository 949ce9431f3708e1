#include "JobRunner.h"
#include "i18n/Translate.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {

constexpr int POLL_MS = 50;
std::atomic<bool> Running{false};

} // namespace

QString ProgressText(long long done, long long total, const QString& steps, long long elapsedMs) {
    QString text = Texts::tr("%1 of %2 %3").arg(done).arg(total).arg(steps);
    if (done > 0 && total > done) {
        const long long left = (elapsedMs * (total - done) / done + 999) / 1000;
        text += Texts::tr(", about %1 s left").arg(left);
    }
    return text;
}

JobResult RunWithProgress(QWidget* parent, const QString& title, const QString& steps,
                          const std::function<bool(JobProgress&)>& job) {
    if (Running.exchange(true)) {
        QMessageBox::information(
            parent, "Vireldo", Texts::tr("Wait until the export or print under way has finished."));
        return JobResult::Failed;
    }
    JobProgress progress;
    std::atomic<bool> finished{false};
    bool result = false;
    std::thread worker([&] {
        result = job(progress);
        finished = true;
    });
    QProgressDialog dialog(title, Texts::tr("Cancel"), 0, 1, parent);
    dialog.setWindowTitle("Vireldo");
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.hide(); // shown only for a job that takes a while
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog,
                     [&] { progress.CancelRequested = true; });
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished) {
            loop.quit();
            return;
        }
        if (dialog.wasCanceled()) // Escape as well as the button
            progress.CancelRequested = true;
        if (clock.elapsed() < PROGRESS_DELAY_MS)
            return;
        const long long total = std::max<long long>(progress.Total, 1);
        const long long done = std::min<long long>(progress.Done, total);
        dialog.setMaximum(static_cast<int>(std::min<long long>(total, INT32_MAX)));
        dialog.setValue(static_cast<int>(std::min<long long>(done, INT32_MAX)));
        dialog.setLabelText(title + "\n" + ProgressText(done, total, steps, clock.elapsed()));
        if (!dialog.isVisible() && !progress.Cancelled())
            dialog.show();
    });
    poll.start(POLL_MS);
    loop.exec();
    worker.join();
    Running = false;
    if (progress.Cancelled())
        return JobResult::Cancelled;
    return result ? JobResult::Done : JobResult::Failed;
}
