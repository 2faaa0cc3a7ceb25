#include "testsupport.h"

#include "foundation/picture.h"
#include "foundation/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace ts {

QString sampleProgramDir() { return QStringLiteral(EXAMSIM_PROGRAM_DIR); }

QString toolPath(const QString &name) { return sampleProgramDir() + u'/' + name; }

bool copyTree(const QString &from, const QString &to, bool skipExecutables, const CopyFilter &keep)
{
    QDir src(from);
    if (!src.exists())
        return false;
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        const QString rel = src.relativeFilePath(fi.absoluteFilePath());
        if (fi.isDir()) {
            QDir().mkpath(to + u'/' + rel);
            continue;
        }
        if ((skipExecutables && fi.isExecutable()) || (keep && !keep(rel)))
            continue;
        QDir().mkpath(QFileInfo(to + u'/' + rel).absolutePath());
        // Not QFile::copy: it syncs every file to the disk, and a copy of
        // the sample bank is some 1,300 files and 160 MB that live for one
        // test (tens of seconds of disk writes per test program).
        std::error_code error;
        if (!std::filesystem::copy_file(QFile::encodeName(fi.absoluteFilePath()).toStdString(),
                                        QFile::encodeName(to + u'/' + rel).toStdString(), error))
            return false;
    }
    return true;
}

ProgramCopy::ProgramCopy(const CopyFilter &keep) : dir_(std::make_unique<QTemporaryDir>())
{
    if (dir_->isValid() && copyTree(sampleProgramDir(), dir_->path(), true, keep)) {
        fnd::overrideProgramFolder(dir_->path());
        fnd::clearPictureCache();
    }
}

ProgramCopy::~ProgramCopy()
{
    fnd::overrideProgramFolder(QString());
    fnd::clearPictureCache();
}

QString ProgramCopy::path() const { return dir_->path(); }
bool ProgramCopy::isValid() const { return dir_->isValid(); }
QString ProgramCopy::file(const QString &relative) const { return dir_->path() + u'/' + relative; }

QStringList idsOf(const QString &list)
{
    QStringList ids;
    for (int i = 0; i + 4 <= list.size(); i += 4)
        ids << list.mid(i, 4);
    return ids;
}

} // namespace ts
