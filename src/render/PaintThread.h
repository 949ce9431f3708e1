#pragma once
#include <functional>

// Runs a repaint's drawing on a thread of the global thread pool and waits for
// it. Qt hands large fills from other threads to its pool and waits, which on
// two cores costs more than the fill; from a pool thread it fills in place.
// Still one repaint at a time, synchronous for the caller.
void RunOnPaintThread(const std::function<void()>& work);
// For measuring: draw on the calling thread instead.
void SetPaintOnCallingThread(bool onCallingThread);
