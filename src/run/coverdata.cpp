#include "run/coverdata.h"

#include "foundation/blanks.h"
#include "foundation/numparse.h"

#include <QStringEncoder>

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

QStringList lengthenedProgress(const QStringList &stored, const QStringList &repaired)
{
    QStringList out;
    for (qsizetype u = 0; u < repaired.size(); ++u)
        out << (repaired[u].size() > stored.value(u).size() ? repaired[u] : stored.value(u));
    return out;
}

UnitColumns unitColumns(const QString &flags)
{
    const QString f = flags.trimmed();
    return {QString::number(f.size()), QString::number(flags.count(u'F')), f};
}

Advert readAdvert(const QStringList &lines)
{
    Advert ad;
    ad.text = fnd::trimBlanks(lines.value(0)).replace(QStringLiteral("◎"), QStringLiteral("\r\n"));
    if (lines.size() > 1)
        ad.colour = fnd::hexOrDecimal(lines[1]);
    ad.url = lines.value(2);
    return ad;
}

int gbkColumns(char32_t ch)
{
    if (ch < 0x80)
        return 1;
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(QString::fromUcs4(&ch, 1));
    return bytes.size() >= 2 ? 2 : 1;
}

QString unitCaption(int number, const QString &name)
{
    const QString text = QString::number(number) + u'.' + name + QString(7 + 64, u' ');
    const QList<uint> chars = text.toUcs4();
    int width = 0;
    for (qsizetype k = 0; k < chars.size(); ++k) {
        width += gbkColumns(chars[k]);
        if (width < 24)
            continue;
        QString caption = QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), k + 1);
        if (width == 24) {
            const char32_t next = k + 1 < chars.size() ? chars[k + 1] : U' ';
            caption += gbkColumns(next) == 1 ? QString::fromUcs4(&next, 1) : QStringLiteral(" ");
        }
        return caption;
    }
    return text; // not reached: the blanks alone fill 25 columns
}

int chongCiLast(int paperCount)
{
    if (paperCount >= 4 && paperCount <= 7)
        return 1;
    if (paperCount >= 8 && paperCount <= 11)
        return 3;
    if (paperCount >= 12 && paperCount <= 15)
        return 5;
    return 7;
}

} // namespace run
