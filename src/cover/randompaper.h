#pragma once
// The two outside inputs of a new random paper (cover button 21), each with
// one seam for tests: the uniform source on [0, 1) of its draw and the clock
// that stamps its history slot. Empty: a generator seeded from the clock at
// each click, and the system's time. Nothing else reads them.

#include <QDateTime>
#include <functional>

namespace cover {

inline std::function<double()> RandomPaperSource;
inline std::function<QDateTime()> RandomPaperClock;

} // namespace cover
