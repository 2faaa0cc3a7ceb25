#pragma once
// Starting another program by its path, as the platform's shell call does:
// without arguments, in a given folder, and without waiting for it (it runs
// on after this program has ended).

#include <QString>

namespace plat {

// Starts the program file detached. False when it could not be started
// (missing, not executable), with the reason in *why when given.
bool startProgram(const QString &path, const QString &folder, QString *why = nullptr);

} // namespace plat
