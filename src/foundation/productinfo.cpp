#include "foundation/productinfo.h"

#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/infocode.h"
#include "foundation/programfolder.h"
#include "foundation/showntext.h"
#include "platform/registry.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace fnd {

namespace {

const QString Tag = QStringLiteral("readInfo");

// Failure numbers, as the program has always logged them.
constexpr long ErrInvalidCall = 5;
constexpr long ErrOverflow = 6;
constexpr long ErrSubscript = 9;
constexpr long ErrFileNotFound = 53;
constexpr long ErrPastEnd = 62;
constexpr long ErrFileAccess = 75;
constexpr long ErrorInvalidParameter = 87;

void report(long number, const QString &description) { trapError(Tag, number, description); }

// A product information file up to its line limit; nullopt (reported) when it
// cannot be read.
std::optional<InfoFileLines> readInfoFile(const QString &path, const QString &name, int maxLines)
{
    if (!QFileInfo::exists(path)) {
        report(ErrFileNotFound, QStringLiteral("File not found: ") + name);
        return std::nullopt;
    }
    // Lines past the table are only counted; a line is kept up to the
    // characters a shown text can have (six digits each).
    const auto head = readHeadLines(path, maxLines, 6 * ShownTextLimit);
    if (!head) {
        report(ErrFileAccess, QStringLiteral("Path/File access error: ") + name);
        return std::nullopt;
    }
    return InfoFileLines{head->lines, int(std::min<qsizetype>(head->beyond, INT_MAX))};
}

void report(const InfoFailure &f)
{
    const QString more = f.count > 1 ? QStringLiteral(" and %1 more").arg(f.count - 1) : QString();
    switch (f.kind) {
    case InfoFailure::LineBeyondTable:
        report(ErrSubscript,
               QStringLiteral("Subscript out of range: %1 line %2%3 beyond the table").arg(f.file).arg(f.line).arg(more));
        break;
    case InfoFailure::BadCharCode:
        report(ErrInvalidCall, QStringLiteral("Invalid procedure call or argument: character code out of range in %1 "
                                              "line %2%3")
                                   .arg(f.file)
                                   .arg(f.line)
                                   .arg(more));
        break;
    case InfoFailure::ModuleNoOverflow:
        report(ErrOverflow, QStringLiteral("Overflow: module number in %1 line %2").arg(f.file).arg(f.line));
        break;
    }
}

void reportFrom(const InfoResult &r, const QString &file)
{
    for (const InfoFailure &f : r.failures)
        if (f.file == file)
            report(f);
}

} // namespace

void loadInfo()
{
    const QString folder = programFolder();
    const QString verName = QStringLiteral("ver.txt");
    const auto ver = readInfoFile(folder + u'/' + verName, verName, VerMaxLines);

    // The data folder comes from ver.txt; the product file is read only then.
    const InfoResult fromVer = buildInfo(ver ? &*ver : nullptr, nullptr);
    reportFrom(fromVer, verName);
    const QString dataPath = folder + u'/' + fromVer.dataFolder + u'/';
    const QString productName = bank::ProductInfoFile + QStringLiteral(".mxy");
    const auto product = readInfoFile(dataPath + productName, productName, ProductMaxLines);
    const InfoResult r = buildInfo(ver ? &*ver : nullptr, product ? &*product : nullptr);
    reportFrom(r, productName);

    InfoTable = r.table;
    ExamTitle = r.examTitle;
    ModuleName = r.moduleName;
    DataPath = dataPath;
    if (r.moduleNo)
        ModuleNo = *r.moduleNo;
    for (int u = 0; u < InfoUnitNames; ++u)
        UnitTable[u][1] = r.units[u];
    AppTitle = appTitleOf(InfoTable, ExamTitle);
}

void recordFirstRun()
{
    const QString path = dataFile(bank::FirstRunFile);
    const QString name = bank::FirstRunFile + QStringLiteral(".mxy");
    if (!QFileInfo::exists(path)) {
        report(ErrFileNotFound, QStringLiteral("File not found: ") + name);
        return;
    }
    // Only the first line's start decides: "0" and nothing more. Three bytes
    // tell: a line that goes on after the "0" decodes to more than "0" in
    // them, even when its next byte opens a two-byte character.
    const auto first = readLineExact(path, 1, 3);
    if (!first) {
        if (isReadableFile(path))
            report(ErrPastEnd, QStringLiteral("Input past end of file: ") + name);
        else
            report(ErrFileAccess, QStringLiteral("Path/File access error: ") + name);
        return;
    }
    if (*first != QStringLiteral("0"))
        return;

    const QString key = QStringLiteral("Software\\") + InfoTable[15];
    const QString nn = moduleSuffix(ModuleNo);
    QVariant folderData = programFolder() + QString(72, u'*');
    QVariant nameData = executableName() + QString(36, u'*');
    qint32 length = 0;
    SetRegValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("ProPath") + nn, plat::REG_SZ, folderData, length);
    length = 0;
    SetRegValue(plat::HKEY_CURRENT_USER, key, QStringLiteral("ProName") + nn, plat::REG_SZ, nameData, length);
    // Marked done whatever the registry said, so the record is tried once.
    if (!writeLines(path, {QStringLiteral("1")}))
        report(ErrFileAccess, QStringLiteral("Path/File access error: ") + name);
}

void readInfo()
{
    loadInfo();
    recordFirstRun();
}

long SetRegValue(quint32 root, const QString &keyPath, const QString &valueName, qint32 type, QVariant &data,
                 qint32 &length)
{
    switch (type) {
    case plat::REG_SZ:
    case plat::REG_EXPAND_SZ: {
        const QString text = data.toString();
        length = qint32(encodeGbk(text).size() + 1); // with the terminating zero
        return plat::setRegistryValue(root, keyPath, valueName, text);
    }
    case plat::REG_DWORD: {
        const qint32 v = data.toInt();
        data = v;
        length = 4;
        return plat::setRegistryValue(root, keyPath, valueName, v);
    }
    case plat::REG_BINARY: {
        const qint32 v = data.toInt();
        data = v;
        if (length < 1 || length > 4)
            return ErrorInvalidParameter;
        const qint32 le = qToLittleEndian(v);
        return plat::setRegistryValue(root, keyPath, valueName, QByteArray(reinterpret_cast<const char *>(&le), length));
    }
    default:
        return ErrorInvalidParameter;
    }
}

} // namespace fnd
