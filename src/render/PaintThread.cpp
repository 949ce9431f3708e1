#include "PaintThread.h"

#include <QThreadPool>
#include <exception>
#include <future>

namespace {

thread_local bool OnPaintThread = false;
bool PaintOnCallingThread = false;

} // namespace

void SetPaintOnCallingThread(bool onCallingThread) {
    PaintOnCallingThread = onCallingThread;
}

void RunOnPaintThread(const std::function<void()>& work) {
    if (OnPaintThread || PaintOnCallingThread) {
        work();
        return;
    }
    std::promise<void> done;
    QThreadPool::globalInstance()->start([&] {
        OnPaintThread = true;
        try {
            work();
            done.set_value();
        } catch (...) {
            done.set_exception(std::current_exception());
        }
        OnPaintThread = false;
    });
    done.get_future().get();
}
