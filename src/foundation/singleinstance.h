#pragma once
// One running program per program folder. The lock is a file in the program
// folder (or, when that folder is read-only, in the user's runtime folder,
// named after the program folder). A lock left behind by a run that crashed
// is recognised by its dead process and taken over; so is one whose owner
// cannot be read (empty, garbled or unreadable) once it is a few seconds old.

#include <QString>

namespace fnd {

// Takes the lock; false when another running instance holds it.
bool acquireSingleInstance();

// Gives the lock up (program end; tests).
void releaseSingleInstance();

// The lock file for the current program folder.
QString singleInstanceLockPath();

} // namespace fnd
