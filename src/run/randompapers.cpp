#include "run/randompapers.h"

#include "bank/bankfiles.h"
#include "foundation/blanks.h"
#include "foundation/gbkfile.h"
#include "foundation/programfolder.h"
#include "run/coverdata.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <utility>

namespace run {

namespace {

// Units hold positions 1 to 99 (two digits of an id); more would name the
// next unit's questions.
constexpr int MaxPositions = 99;
// Draws tried before the places left are filled in bank order: far more than
// a uniform source ever needs for 40 of at least 40 ids.
constexpr int MaxDraws = 100000;

// A draw on [0, 1) as the index of one of n choices; a value outside [0, 1)
// (a broken source) counts as 0.
int pick(double r, int n)
{
    if (!(r >= 0 && r < 1))
        r = 0;
    return int(1000 * r) % n;
}

// A record file's lines for its rewrite: nullopt (logged) only when a
// regular file is there and cannot be read; anything else in its place
// holds nothing of the learner's.
std::optional<QStringList> linesToRewrite(const QString &name)
{
    if (!QFileInfo(recordPath(name)).isFile())
        return QStringList();
    return readRecordLines(name);
}

// The random-paper list and the history as a batch rewriting them reads
// them; one that cannot be read refuses the batch.
struct PaperRecords
{
    QStringList papers;
    QStringList history;
};
PaperRecords readForRewrite(RecordBatch &batch)
{
    PaperRecords out;
    for (auto [name, lines] : {std::pair{bank::RandomPaperFile, &out.papers}, std::pair{bank::ShiJuanHisFile, &out.history}}) {
        if (const auto read = linesToRewrite(name))
            *lines = *read;
        else
            batch.refuse(name);
    }
    return out;
}

QString timeText(const QDateTime &t) { return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }

} // namespace

QString drawRandomPaper(const std::vector<int> &counts, const std::function<double()> &uniform)
{
    std::vector<int> units;
    int total = 0;
    for (size_t u = 0; u < counts.size(); ++u) {
        if (counts[u] > 0) {
            units.push_back(int(u));
            total += std::min(counts[u], MaxPositions);
        }
    }
    const int wanted = std::min(total, ExamQuestions);
    QSet<int> taken;
    QString paper;
    auto take = [&](int id) {
        if (taken.contains(id))
            return;
        taken.insert(id);
        paper += idText(id);
    };
    for (int draws = 0; taken.size() < wanted && draws < MaxDraws; ++draws) {
        const int u = units[size_t(pick(uniform(), int(units.size())))];
        const int p = pick(uniform(), std::min(counts[size_t(u)], MaxPositions)) + 1;
        take(u * 100 + p);
    }
    for (size_t k = 0; k < units.size() && taken.size() < wanted; ++k)
        for (int p = 1; p <= std::min(counts[size_t(units[k])], MaxPositions) && taken.size() < wanted; ++p)
            take(units[k] * 100 + p);
    return paper;
}

QStringList randomPapersWithNew(const QStringList &previous, const QString &paper)
{
    QStringList lines{paper};
    for (int k = 0; k < RandomPaperLines - 1; ++k)
        lines << previous.value(k);
    return lines;
}

QStringList historyWithNewPaper(const QStringList &history, const QString &now)
{
    QStringList lines = history.mid(0, 3 * FirstRandomSlot);
    while (lines.size() < 3 * FirstRandomSlot)
        lines << presetHistoryLine(int(lines.size()) + 1);
    lines << now << QStringLiteral("0") << QStringLiteral("E");
    for (int n = 3 * FirstRandomSlot + 1; lines.size() < HistoryShiftedLines; ++n)
        lines << history.value(n - 1, presetHistoryLine(n));
    return lines;
}

RecordWrites recordNewRandomPaper(const QString &paper, int stored, const QDateTime &now)
{
    RecordBatch batch;
    const PaperRecords read = readForRewrite(batch);
    batch.setLines(bank::RandomPaperFile, randomPapersWithNew(read.papers, paper));
    batch.setLines(bank::ShiJuanHisFile, historyWithNewPaper(read.history, timeText(now)) << QString());
    for (int k = std::clamp(stored, 0, PaperSlots - FirstRandomSlot); k >= 1; --k)
        batch.setCopy(bank::ShiJuanCuoTiFile(FirstRandomSlot - 1 + k), bank::ShiJuanCuoTiFile(FirstRandomSlot + k));
    batch.setLines(bank::ShiJuanCuoTiFile(FirstRandomSlot), {QString()});
    return batch.write();
}

QStringList randomPapersWithout(const QStringList &lines, int slot, int stored)
{
    // Lines up to and with the first blank one, at most 15.
    QStringList papers;
    for (const QString &line : lines) {
        if (papers.size() == 15)
            break;
        papers << line;
        if (fnd::trimBlanks(line).isEmpty())
            break;
    }
    const int gone = slot - FirstRandomSlot; // from 0
    if (gone >= 0 && gone < papers.size())
        papers.removeAt(gone);
    QStringList out = papers.mid(0, std::max(stored - 1, 0));
    while (out.size() < stored - 1)
        out << QString();
    return out << QString();
}

QStringList historyWithout(const QStringList &history, int slot, int stored)
{
    QStringList lines;
    for (int n = 1; n <= HistoryReadLines; ++n)
        lines << history.value(n - 1, presetHistoryLine(n));
    for (int s = slot; s <= stored + FirstRandomSlot - 2; ++s)
        for (int k = 1; k <= 3; ++k)
            lines[3 * s + k - 1] = lines.value(3 * s + k + 2, presetHistoryLine(3 * s + k + 3));
    return lines.mid(0, HistoryShiftedLines);
}

RecordWrites deleteRandomPaper(int slot, int stored)
{
    stored = std::clamp(stored, 0, PaperSlots - FirstRandomSlot);
    if (slot < FirstRandomSlot || slot > FirstRandomSlot - 1 + stored)
        return {};
    RecordBatch batch;
    const PaperRecords read = readForRewrite(batch);
    batch.setLines(bank::RandomPaperFile, randomPapersWithout(read.papers, slot, stored));
    for (int s = slot; s <= stored + FirstRandomSlot - 2; ++s)
        batch.setCopy(bank::ShiJuanCuoTiFile(s + 1), bank::ShiJuanCuoTiFile(s));
    batch.setLines(bank::ShiJuanHisFile, historyWithout(read.history, slot, stored) << QString());
    return batch.write();
}

int storedRandomPapers()
{
    return countRandomPapers(fnd::readLines(recordPath(bank::RandomPaperFile)).value_or(QStringList()));
}

int wrongListCount(int slot)
{
    if (!QFileInfo(recordPath(bank::ShiJuanCuoTiFile(slot))).isFile())
        return 0;
    return idCount(readRecordLine(bank::ShiJuanCuoTiFile(slot)));
}

} // namespace run
