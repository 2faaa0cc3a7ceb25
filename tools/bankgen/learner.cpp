// examsim-bankgen --learner <record folder>: the records of a sample learner
// of the sample bank, for tests and screenshots (the build's own bank keeps
// a fresh install's record folder): marked and wrong questions with mixed
// reviewed flags (the marked flags one short of their list), an exam history
// of the fixed papers 0 to 3 and the random papers 20 and 21, two random
// papers, and the unfinished-question lists of those slots.
#include "bankgen.h"
#include "samplebank.h"

#include "bank/bankfiles.h"

#include <QDir>
#include <cstdio>

namespace bankgen {
namespace {

QString idList(const std::vector<int> &ids)
{
    QString s;
    for (int id : ids)
        s += digits(id, 4);
    return s;
}

// Every id of the bank (unit * 100 + position), in bank order.
std::vector<int> bankIds()
{
    SampleBank b;
    b.units.push_back(unitBasics(b));
    b.units.push_back(unitTables(b));
    b.units.push_back(unitFrames(b));
    std::vector<int> all;
    for (size_t u = 0; u < b.units.size(); ++u)
        for (size_t p = 1; p <= b.units[u].questions.size(); ++p)
            all.push_back(int(u) * 100 + int(p));
    return all;
}

// A paper of 40 different ids shuffled with a fixed seed, the same at every
// run.
std::vector<int> shuffledPaper(std::vector<int> all, quint32 seed)
{
    for (size_t i = all.size(); i > 1; --i) {
        seed = seed * 1664525u + 1013904223u;
        std::swap(all[i - 1], all[(seed >> 8) % i]);
    }
    all.resize(std::min<size_t>(all.size(), kPaperQuestions));
    return all;
}

} // namespace

int writeLearner(const QString &folder)
{
    Context ctx;
    QDir().mkpath(folder);
    auto write = [&](const QString &name, const QStringList &lines) {
        ctx.writeLines(folder + u'/' + name + QStringLiteral(".mxy"), lines);
    };
    const std::vector<int> all = bankIds();
    auto ids = [&](std::initializer_list<int> indexes) {
        std::vector<int> out;
        for (int k : indexes)
            out.push_back(all[size_t(k) % all.size()]);
        return idList(out);
    };

    // Marked: five ids, four flags (the fifth is not reviewed). Wrong: six
    // ids, six flags.
    write(bank::BiaoZhiIdFile, {ids({0, 2, 15, 18, 30})});
    write(bank::BiaoZhiFlagFile, {QStringLiteral("TFFT")});
    write(bank::CuoTiIdFile, {ids({1, 3, 14, 16, 31, 33})});
    write(bank::CuoTiFlagFile, {QStringLiteral("FTFTTF")});

    // Two random papers, newest first, as two new-paper clicks leave them.
    const std::vector<int> newest = shuffledPaper(all, 20260311), older = shuffledPaper(all, 20260309);
    QStringList random{idList(newest), idList(older)};
    while (random.size() < 10)
        random << QString();
    write(bank::RandomPaperFile, random);

    // History: slot -> last exam time and best score.
    const std::map<int, std::pair<const char *, const char *>> exams{
        {0, {"2026-03-01 09:07:33", "87.5"}}, {1, {"2026-03-02 14:20:05", "62.5"}},
        {2, {"2026-03-05 19:45:10", "95"}},   {3, {"2026-03-08 08:30:00", "72.5"}},
        {20, {"2026-03-11 21:02:44", "0"}},   {21, {"2026-03-10 20:15:00", "80"}}};
    QStringList history;
    for (int slot = 0; slot < 30; ++slot) {
        const auto it = exams.find(slot);
        history << (it == exams.end() ? QStringLiteral("您还未考试！") : QString::fromLatin1(it->second.first))
                << (it == exams.end() ? QStringLiteral("0") : QString::fromLatin1(it->second.second))
                << QStringLiteral("E");
    }
    history << QString();
    write(bank::ShiJuanHisFile, history);

    // The questions each exam left unfinished: none for slot 2, and the new
    // random paper 20 not examined yet.
    write(bank::ShiJuanCuoTiFile(0), {ids({2, 4, 20})});
    write(bank::ShiJuanCuoTiFile(1), {ids({40, 41})});
    write(bank::ShiJuanCuoTiFile(2), {QString()});
    write(bank::ShiJuanCuoTiFile(3), {ids({5, 6, 7, 8, 9})});
    write(bank::ShiJuanCuoTiFile(20), {QString()});
    write(bank::ShiJuanCuoTiFile(21), {idList({older[4], older[9], older[17], older[33]})});

    for (const QString &e : ctx.errors)
        std::fprintf(stderr, "bankgen: %s\n", qPrintable(e));
    return ctx.errors.isEmpty() ? 0 : 1;
}

} // namespace bankgen
