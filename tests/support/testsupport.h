#pragma once
// Shared test helpers: the generated sample program folder and throw-away
// copies of it for tests that write files.

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace ts {

// The build tree's program folder (executable, tools, sample bank).
QString sampleProgramDir();

// A tool built into the program folder, e.g. "examsim-probe".
QString toolPath(const QString &name);

// A private copy of the sample program folder's data (not its executables).
// While it lives the program folder points at it.
class ProgramCopy
{
public:
    ProgramCopy();
    ~ProgramCopy();
    QString path() const;
    bool isValid() const;
    // path() + "/" + relative
    QString file(const QString &relative) const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// Copies a folder tree (files only, executables skipped when skipExecutables).
bool copyTree(const QString &from, const QString &to, bool skipExecutables);

} // namespace ts
