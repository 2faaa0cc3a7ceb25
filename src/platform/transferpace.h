#pragma once
// The slowest pace a download may keep: in every window of windowMs, at
// least bytesPerSecond for each second of it. A transfer that stalls or
// trickles below it is given up, however long its deadline.

#include <QtGlobal>
#include <deque>
#include <utility>

namespace plat {

struct TransferPace
{
    int windowMs = 30000;
    qint64 bytesPerSecond = 1024;
};

// Watches one transfer's pace from the bytes it has received, noted on a
// clock that starts with the request (a window begins there too).
class PaceWatch
{
public:
    explicit PaceWatch(const TransferPace &pace);

    // How often to note: the windows checked start at most this far apart.
    int noteEveryMs() const;

    // Notes that `received` bytes had come by nowMs (never less than at an
    // earlier note). False once a window of the pace's length ended with
    // fewer bytes than it asks for.
    bool keepsPace(qint64 nowMs, qint64 received);

private:
    TransferPace pace_;
    // (time, bytes) of earlier notes; the front one is the latest that lies
    // a whole window back, once there is one.
    std::deque<std::pair<qint64, qint64>> notes_{{0, 0}};
};

} // namespace plat
