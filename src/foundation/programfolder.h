#pragma once
// Where the program's files are: the executable's folder, or the folder named
// by EXAMSIM_HOME (tests, and users who keep a bank elsewhere).

#include <QString>

namespace fnd {

// The program folder, without a trailing separator.
QString programFolder();

// The executable's name without folder and extension.
QString executableName();

// programFolder() + "/" + name.
QString inProgramFolder(const QString &name);

// Tests may point the program elsewhere; an empty folder restores the default.
void overrideProgramFolder(const QString &folder);

} // namespace fnd
