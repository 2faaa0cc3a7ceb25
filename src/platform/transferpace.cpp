#include "platform/transferpace.h"

#include <algorithm>

namespace plat {

PaceWatch::PaceWatch(const TransferPace &pace) : pace_(pace) {}

int PaceWatch::noteEveryMs() const { return std::max(10, pace_.windowMs / 30); }

bool PaceWatch::keepsPace(qint64 nowMs, qint64 received)
{
    const qint64 windowStart = nowMs - pace_.windowMs;
    // Drop what lies before the latest note at or before the window's start.
    while (notes_.size() > 1 && notes_[1].first <= windowStart)
        notes_.pop_front();
    notes_.emplace_back(nowMs, received);
    const auto &[since, then] = notes_.front();
    if (since > windowStart)
        return true; // no whole window yet
    // A window a little longer than the pace's (by at most a note's spacing)
    // is held to the bytes of the pace's own length.
    return (received - then) * 1000 >= pace_.bytesPerSecond * pace_.windowMs;
}

} // namespace plat
