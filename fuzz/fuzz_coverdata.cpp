// Fuzz target: what the cover reads at every load. The input, decoded as
// GBK and cut at NUL bytes into the paper list, the random papers, the
// stored unit progress and the advert, goes through the readers and the
// repair; nothing may crash and the results keep their bounds: counts within
// 0..20, at most ten random papers, 25 progress lines each as long as its
// unit's known count, unit captions of 25 GBK columns.
#include "foundation/gbkfile.h"
#include "run/coverdata.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
QStringList linesOf(const QByteArray &bytes)
{
    QStringList lines;
    for (const QByteArray &l : fnd::splitLines(bytes))
        lines << fnd::decodeGbk(l);
    return lines;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    const QStringList paperList = linesOf(parts.value(0));
    const QStringList random = linesOf(parts.value(1));
    const QStringList progress = linesOf(parts.value(2));
    const QStringList advert = linesOf(parts.value(3));

    const run::PaperCounts c = run::paperCounts(paperList);
    check(c.papers >= 0 && c.papers <= run::MaxPapers && c.units >= 0 && c.units <= run::MaxUnits);
    const int n = run::countRandomPapers(random);
    check(n >= 0 && n <= run::MaxRandomPapers);
    const run::QuestionCounts counts = run::questionCounts(paperList);
    const QStringList repaired = run::repairedProgress(progress, counts, c.units);
    check(repaired.size() == 25);
    for (int u = 0; u < 25; ++u) {
        if (counts[size_t(u)] >= 0)
            check(repaired[u].size() == counts[size_t(u)]);
        const run::UnitColumns col = run::unitColumns(repaired[u]);
        check(col.notDone.toInt() <= repaired[u].size());
    }
    const run::Advert ad = run::readAdvert(advert);
    check(ad.text.size() <= 2 * advert.value(0).size());
    int number = 0;
    for (const QString &line : advert) {
        int columns = 0;
        for (char32_t ch : run::unitCaption(++number, line).toUcs4())
            columns += run::gbkColumns(ch);
        check(columns == 25);
    }
    return 0;
}
