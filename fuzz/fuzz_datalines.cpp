// Fuzz target: the data folder's one-line files: the bank version and the
// module number the cover reads at its start, and the first-run flag the
// start-up reads and rewrites. The input, cut at NUL bytes, is the three
// files and the product's key name. Each reader takes line 1 as the cover
// does; the first-run step turns a flag of exactly "0" into "1" with the
// install values recorded, and leaves any other flag file as it was.
#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/infocode.h"
#include "foundation/numparse.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "platform/registry.h"

#include "fuzzsupport.h"

#include <cmath>

using fuzz::check;

namespace {

// Line 1 of a data-folder file, as the cover reads it.
QString firstLine(const QString &name) { return fnd::readLineExact(fnd::dataFile(name), 1).value_or(QString()); }

void checkLine(const QString &line)
{
    check(!line.contains(u'\n') && !line.contains(u'\r'));
    check(!std::isnan(fnd::leadingValue(line)) && !std::isnan(fnd::leadingValueIgnoringSpaces(line)));
    check(fnd::leadingInt(line) >= 0);
    (void)fnd::hexOrDecimal(line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QString folder;
    if (folder.isEmpty()) {
        folder = fuzz::scratchFolder("datalines");
        QDir().mkpath(folder + QStringLiteral("/data"));
        fnd::overrideProgramFolder(folder);
        fnd::DataPath = folder + QStringLiteral("/data/");
        fnd::ErrLogFile.clear(); // failures are expected here; nothing to log
        plat::overrideRegistryFile(folder + QStringLiteral("/registry.ini"));
    }
    const fuzz::Pieces in(data, size);
    fuzz::put(fnd::dataFile(bank::BankVersionFile), in[0]);
    fuzz::put(fnd::dataFile(bank::ModuleNoFile), in[1]);
    const QString flagPath = fnd::dataFile(bank::FirstRunFile);
    fuzz::put(flagPath, in[2]);
    fnd::InfoTable[15] = fnd::decodeGbk(fnd::splitLines(in[3]).value(0)).trimmed();
    fnd::ModuleNo = qint16(size % 100);

    // The cover's two readers.
    const QString version = firstLine(bank::BankVersionFile);
    checkLine(version);
    const QString moduleLine = firstLine(bank::ModuleNoFile);
    checkLine(moduleLine);
    for (int n : {1, 2, 7})
        if (const auto line = fnd::readLineClamped(fnd::dataFile(bank::ModuleNoFile), n))
            checkLine(*line);

    // The first-run step.
    const QList<QByteArray> flagLines = fnd::splitLines(in[2]);
    // Compared as text: a lead byte cut off at the end of the line decodes
    // to nothing.
    const bool first = !flagLines.isEmpty() && fnd::decodeGbk(flagLines[0]) == u"0";
    QFile::remove(plat::registryFile());
    fnd::recordFirstRun();
    const QByteArray after = fuzz::contents(flagPath);
    if (first) {
        check(after == "1\r\n");
        const QString key = QStringLiteral("Software\\") + fnd::InfoTable[15];
        const QString path = plat::registryValue(plat::HKEY_CURRENT_USER, key,
                                                 QStringLiteral("ProPath") + fnd::moduleSuffix(fnd::ModuleNo))
                                 .toString();
        check(path == fnd::programFolder() + QString(72, u'*'));
    } else {
        check(after == in[2]);
    }
    return 0;
}
