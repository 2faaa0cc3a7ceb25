// Fuzz target: the learner records and the composition of a set. The input
// is cut at NUL bytes into the run (its first piece: set kind, slot, answer,
// then two bytes a question: state and id), the record files, a unit's two
// files and an id list. Readers, the quit, the scored exam and the
// composition run over them; nothing may crash, and what they write keeps
// its invariants: flags as long as their list, ids of four characters, the
// history's 93 lines, one working question line per question.
#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/programfolder.h"
#include "run/compose.h"
#include "run/records.h"
#include "run/runstate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *folder = nullptr;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

QString recordPath(const QString &name) { return run::recordPath(name); }

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// A written list: whole ids and one flag each.
void checkList(const run::ListFiles &files)
{
    const QString ids = run::readRecordLine(files.ids);
    const QString flags = run::readRecordLine(files.flags);
    check(ids.size() % run::IdWidth == 0);
    check(flags.size() == run::idCount(ids));
}

void checkIdLine(const QString &name) { check(run::readRecordLine(name).size() % run::IdWidth == 0); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!folder) {
        // In memory when the system offers it: every write is an atomic
        // replace, which waits for the disk.
        folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                     ? new QTemporaryDir(QStringLiteral("/dev/shm/fuzz_records-XXXXXX"))
                     : new QTemporaryDir;
        QDir().mkpath(folder->filePath(QStringLiteral("ksdata")));
        QDir().mkpath(folder->filePath(QStringLiteral("data")));
        fnd::overrideProgramFolder(folder->path());
        fnd::DataPath = folder->filePath(QStringLiteral("data")) + u'/';
        fnd::ErrLogFile.clear(); // failures are expected here; nothing to log
    }
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    auto part = [&](int i) { return i < parts.size() ? parts[i] : QByteArray(); };

    const QString slotFile = bank::ShiJuanCuoTiFile(0);
    const QStringList records{bank::BiaoZhiIdFile, bank::BiaoZhiFlagFile, bank::CuoTiIdFile, bank::CuoTiFlagFile,
                              slotFile, bank::UnitProgressFile, bank::ShiJuanHisFile};
    for (int i = 0; i < records.size(); ++i)
        put(recordPath(records[i]), part(i + 1));
    const bank::WorkFiles unit = bank::unitFiles(0);
    put(fnd::dataFile(unit.tm), part(8));
    put(fnd::dataFile(unit.step), part(9));

    // The run.
    static const int kinds[] = {0, 2, 5, 6, 8, 9, 10, 11, 12, 13, 14, 20};
    const QByteArray r = part(0);
    run::resetRunState();
    run::PaperType = qint16(kinds[(r.size() > 0 ? uint8_t(r[0]) : 0) % std::size(kinds)]);
    run::RecNo = qint16(r.size() > 1 ? int(int8_t(r[1])) % 40 : 0);
    run::TaoNo = run::PaperType == 20 ? run::RecNo : 0;
    const bool yes = r.size() > 2 && (r[2] & 1);
    run::UnitCount = qint16(r.size() > 3 ? int(int8_t(r[3])) : 0);
    const int sum = std::min<int>(int(r.size() - 4) / 2, run::MaxQuestions);
    run::TmSum = qint16(std::max(sum, 0));
    for (int i = 1; i <= sum; ++i) {
        run::TmState[i] = qint16(uint8_t(r[2 + 2 * i]) % 8);
        run::TmId[i] = qint16(uint8_t(r[3 + 2 * i]) % 20 * 100 + uint8_t(r[3 + 2 * i]) % 101);
    }

    // Readers.
    check(run::readUnitProgress().size() <= run::UnitProgressReadLines);
    check(run::readExamHistory().size() == run::HistoryReadLines);
    (void)run::readFlaggedList(run::markedListFiles());

    // The quit.
    (void)run::quitAsksToDropCompleted();
    run::mergePracticeQuit(yes);
    checkList(run::markedListFiles());
    if (run::PaperType == 2 && run::RecNo == 0 && yes && run::anyCompleted())
        checkIdLine(slotFile);
    if (run::anyCompleted() && (run::PaperType == 20 || run::PaperType == 6) && run::RecNo >= 0)
        check(run::readUnitProgress().size() <= run::UnitProgressReadLines);

    // The scored exam.
    run::ExamStart = (r.size() > 2 && (r[2] & 2)) ? QStringLiteral("-1") : QStringLiteral("2024-01-01 00:00:00");
    const run::ExamScore score = run::recordScoredExam(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    check(score.score >= 0 && score.score <= 100);
    checkList(run::markedListFiles());
    checkList(run::wrongListFiles());
    if (run::RecNo >= 0 && run::RecNo < run::PaperSlots) {
        checkIdLine(bank::ShiJuanCuoTiFile(run::RecNo));
        const auto history = fnd::readLines(recordPath(bank::ShiJuanHisFile));
        check(history && history->size() == run::HistoryWrittenLines + 1 && history->last().isEmpty());
    }
    check(run::ExamStart == QLatin1String("-1"));

    // The composition, on unit 0's files.
    const QString list = fnd::decodeGbk(part(10));
    run::TmSum = 0;
    if (run::composeWorkFiles(list, bank::ComposedSet)) {
        check(run::TmSum >= 0 && run::TmSum <= run::MaxQuestions);
        const bank::WorkFiles work = bank::workFilesNumbered(bank::ComposedSet);
        const auto lines = fnd::readLines(fnd::dataFile(work.tm));
        check(lines && lines->size() == run::TmSum);
    }
    return 0;
}
