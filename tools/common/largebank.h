#pragma once
// The largest bank the format allows (20 units of 99 questions, written by
// examsim-bankgen --large) with the records of a learner who used
// everything: what the start and cover benchmarks run on.

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "testsupport.h"

#include <QProcess>
#include <cstdio>

namespace largebank {

// The records of a learner who used everything: ten random papers (the
// bank's papers 1 to 10), all 30 history slots, an unfinished list of 20 ids
// for each slot, 500 marked and 500 wrong questions with mixed flags.
// The program folder must be the bank's, its product information read.
inline bool writeFullRecords(const QString &programDir)
{
    const QStringList papers = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList()).mid(2);
    if (papers.size() < 10)
        return false;
    const QString folder = programDir + QStringLiteral("/ksdata/");
    auto write = [&folder](const QString &name, const QStringList &lines) {
        return fnd::writeLines(folder + name + QStringLiteral(".mxy"), lines);
    };
    QStringList history;
    for (int slot = 0; slot < 31; ++slot)
        history << QStringLiteral("2026-03-%1 10:00:00").arg(slot % 28 + 1, 2, 10, QChar(u'0'))
                << QString::number(slot * 2.5) << QStringLiteral("E");
    QString many, flags;
    for (int k = 0; k < 500; ++k) {
        many += QStringLiteral("%1").arg(k % 20 * 100 + k / 20 + 1, 4, 10, QChar(u'0'));
        flags += k % 3 == 0 ? u'T' : u'F';
    }
    bool ok = write(bank::RandomPaperFile, papers.mid(0, 10)) && write(bank::ShiJuanHisFile, history)
              && write(bank::BiaoZhiIdFile, {many}) && write(bank::BiaoZhiFlagFile, {flags})
              && write(bank::CuoTiIdFile, {many}) && write(bank::CuoTiFlagFile, {flags});
    for (int slot = 0; slot < 30 && ok; ++slot)
        ok = write(bank::ShiJuanCuoTiFile(slot), {papers[slot % papers.size()].left(80)});
    return ok;
}

// Writes the large bank into `folder` with the generator (its options, such
// as --screenshots WxH, in `options`); false, said on standard error, when
// it could not.
inline bool generate(const QString &folder, const QStringList &options = {})
{
    QProcess gen;
    gen.start(ts::toolPath(QStringLiteral("examsim-bankgen")), QStringList{QStringLiteral("--large")} << options << folder);
    if (!gen.waitForFinished(600000) || gen.exitCode() != 0) {
        std::fprintf(stderr, "the large bank could not be written\n");
        return false;
    }
    return true;
}

// Writes the large bank and the full records into `folder`, which becomes
// the program folder, its product information read. False, said on standard
// error, when either could not be written.
inline bool write(const QString &folder)
{
    if (!generate(folder))
        return false;
    fnd::overrideProgramFolder(folder);
    fnd::loadInfo();
    if (!writeFullRecords(folder)) {
        std::fprintf(stderr, "the records could not be written\n");
        return false;
    }
    return true;
}

} // namespace largebank
