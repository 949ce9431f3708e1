#pragma once
#include <atomic>

// How far a long job (an export, a print, a search) has come and whether the
// user asked it to stop: written by the worker that does it, read by the
// window that shows the progress.
struct JobProgress {
    std::atomic<long long> Done{0};
    std::atomic<long long> Total{0};
    std::atomic<bool> CancelRequested{false};

    bool Cancelled() const { return CancelRequested.load(std::memory_order_relaxed); }
    void Step(long long steps = 1) { Done.fetch_add(steps, std::memory_order_relaxed); }
};

enum class JobResult { Done, Failed, Cancelled };
