#pragma once
// Shared test helpers: the generated sample program folder and throw-away
// copies of it for tests that write files.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace ts {

// The build tree's program folder (executable, tools, sample bank).
QString sampleProgramDir();

// A tool built into the program folder, e.g. "examsim-probe".
QString toolPath(const QString &name);

// Which files of a tree a copy takes, by their path relative to its root
// (folders are always made); empty: every file.
using CopyFilter = std::function<bool(const QString &relative)>;

// A private copy of the sample program folder's data (not its executables),
// or of the files the filter keeps. While it lives the program folder points
// at it.
class ProgramCopy
{
public:
    explicit ProgramCopy(const CopyFilter &keep = {});
    ~ProgramCopy();
    QString path() const;
    bool isValid() const;
    // path() + "/" + relative
    QString file(const QString &relative) const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// Copies a folder tree (files only, executables skipped when skipExecutables).
bool copyTree(const QString &from, const QString &to, bool skipExecutables, const CopyFilter &keep = {});

// The four-character ids of an id list, as its writer lays them end to end.
QStringList idsOf(const QString &list);

} // namespace ts
