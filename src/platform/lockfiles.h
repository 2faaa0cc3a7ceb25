#pragma once
// Lock files left behind. A lock file names its owner (process, host and
// program) once its creator has written it. One whose owner cannot be read,
// because it is empty or garbled (a crash between creating and writing it) or
// unreadable, never counts as stale by its owner, and would hold for ever
// where staleness by age is off.

#include <QString>

namespace plat {

// How old a lock without a readable owner must be before it is taken over:
// far longer than its creator needs to write it.
constexpr int OwnerlessLockAgeMs = 3000;

// Removes the lock file at `path` when its owner cannot be read and it was
// last changed more than `ageMs` ago (or that far in the future). True when
// it removed it. Two programs finding the same lock remove it once: a lock
// made meanwhile by the other stays.
bool removeOwnerlessLock(const QString &path, int ageMs = OwnerlessLockAgeMs);

} // namespace plat
