#include "run/coverdata.h"

#include "foundation/numparse.h"

#include <algorithm>

namespace run {

namespace {
qint16 clampCount(double v) { return qint16(std::clamp<double>(v, 0, MaxUnits)); }
} // namespace

PaperCounts paperCounts(const QStringList &paperList)
{
    const QString head = paperList.value(0).trimmed();
    PaperCounts c;
    c.papers = std::min<qint16>(clampCount(fnd::leadingValue(QStringView(head).mid(0, 2))), MaxPapers);
    c.units = clampCount(fnd::leadingValue(QStringView(head).mid(2, 2)));
    return c;
}

QuestionCounts questionCounts(const QStringList &paperList)
{
    QuestionCounts counts;
    counts.fill(-1);
    if (paperList.size() < 2)
        return counts;
    const QString &line = paperList[1];
    for (int u = 0; u < CountedUnits && 2 * u + 1 < line.size(); ++u)
        counts[size_t(u)] = std::clamp(int(fnd::leadingValue(QStringView(line).mid(2 * u, 2))), 0, 99);
    return counts;
}

bool countsKnown(const QuestionCounts &counts)
{
    return std::any_of(counts.begin(), counts.end(), [](int c) { return c >= 0; });
}

int countRandomPapers(const QStringList &randomPapers)
{
    int n = 0;
    while (n < randomPapers.size() && n < MaxRandomPapers && !randomPapers[n].trimmed().isEmpty())
        ++n;
    return n;
}

QStringList repairedProgress(const QStringList &stored, const QuestionCounts &counts, int unitCount)
{
    QStringList out;
    for (int u = 0; u < 25; ++u) {
        const QString flags = stored.value(u);
        int count = counts[size_t(u)];
        if (count < 0 && u < unitCount) {
            out << flags;
            continue;
        }
        count = std::max(count, 0);
        out << (flags + QString(std::max<qsizetype>(0, count - flags.size()), u'F')).left(count);
    }
    return out;
}

UnitColumns unitColumns(const QString &flags)
{
    const QString f = flags.trimmed();
    return {QString::number(f.size()), QString::number(flags.count(u'F')), f};
}

} // namespace run
