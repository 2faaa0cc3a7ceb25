// Writes the sample bank's files into the data folder: the unit step and
// question files, the answer-text file, the paper list, the working files of
// the fixed papers and every picture the records name.

#include "bankgen.h"
#include "samplebank.h"

#include "bank/bankfiles.h"

namespace bankgen {
namespace {

// The fixed papers of the paper list: 40 question ids each (unit * 100 + position).
std::vector<std::vector<int>> fixedPapers(const std::vector<Unit> &units, bool large)
{
    if (large) {
        // Every paper draws two questions from each unit, so starting it
        // reads every unit file.
        std::vector<std::vector<int>> papers(kLargePapers);
        for (int p = 0; p < kLargePapers; ++p)
            for (int i = 0; i < kPaperQuestions; ++i)
                papers[size_t(p)].push_back(i % kLargeUnits * 100 + (2 * p + i / kLargeUnits) % kLargeQuestions + 1);
        return papers;
    }
    std::vector<int> all;
    for (size_t u = 0; u < units.size(); ++u)
        for (size_t p = 1; p <= units[u].questions.size(); ++p)
            all.push_back(int(u) * 100 + int(p));
    // Papers 1 and 2 (the sprint papers): the first forty questions and the
    // last forty; papers 3 and 4: every other question from the second, and
    // the first forty in reverse order.
    const size_t n = qMin<size_t>(40, all.size());
    std::vector<int> first(all.begin(), all.begin() + n);
    std::vector<int> last(all.end() - n, all.end());
    std::vector<int> alternate;
    for (size_t k = 1; alternate.size() < n; k += 2)
        alternate.push_back(all[k % all.size()]);
    std::vector<int> reversed(first.rbegin(), first.rend());
    return {first, last, alternate, reversed};
}

QString questionLine(int id, const Question &q)
{
    QString line = digits(id + 100, bank::Tm.id.width) + digits(int(q.steps.size()), bank::Tm.stepCount.width);
    if (!q.picture.isEmpty())
        line += QStringLiteral("picture") + q.picture;
    return line + q.text;
}

void write(Context &ctx, const QString &name, const QStringList &lines) { ctx.writeLines(ctx.dataFile(name), lines); }

void writeBank(Context &ctx)
{
    SampleBank b;
    b.units.push_back(unitBasics(b));
    b.units.push_back(unitTables(b));
    b.units.push_back(unitFrames(b));
    if (ctx.large) {
        // Each unit of the large bank is the sample's questions over and over.
        std::vector<const Question *> sample;
        for (const Unit &u : b.units)
            for (const Question &q : u.questions)
                sample.push_back(&q);
        std::vector<Unit> units(kLargeUnits);
        for (int u = 0; u < kLargeUnits; ++u) {
            for (int p = 0; p < kLargeQuestions; ++p)
                units[size_t(u)].questions.push_back(*sample[size_t(u * kLargeQuestions + p) % sample.size()]);
        }
        b.units = std::move(units);
    }

    std::vector<QStringList> stepLines, tmLines;
    for (size_t u = 0; u < b.units.size(); ++u) {
        QStringList steps, tms;
        const auto &qs = b.units[u].questions;
        for (size_t p = 0; p < qs.size(); ++p) {
            const Question &q = qs[p];
            const QString where = QStringLiteral("unit %1 question %2").arg(u + 1).arg(p + 1);
            if (q.steps.empty() || q.steps.back().code() != QLatin1String("9999") || q.steps.size() > 35)
                ctx.errors << where + QStringLiteral(": must end with a \"9999\" step and have at most 35 steps");
            for (size_t s = 0; s < q.steps.size(); ++s) {
                for (const QString &problem : q.steps[s].problems())
                    ctx.errors << QStringLiteral("%1 step %2: %3").arg(where).arg(s + 1).arg(problem);
                steps << q.steps[s].text();
            }
            tms << questionLine(int(u) * 100 + int(p) + 1, q);
        }
        stepLines.push_back(steps);
        tmLines.push_back(tms);
        write(ctx, bank::unitFiles(int(u)).step, steps);
        write(ctx, bank::unitFiles(int(u)).tm, tms);
    }

    QStringList answers;
    for (int i = 0; i < b.answerLines().size(); ++i)
        answers << digits(i + 1, 3) + b.answerLines()[i];
    if (answers.size() > 999)
        ctx.errors << QStringLiteral("the answer-text file has more than 999 lines");
    write(ctx, bank::CommonDataFile, answers);

    // Paper list: paper and unit counts, the units' question counts, the papers' ids.
    const auto papers = fixedPapers(b.units, ctx.large);
    QStringList list{digits(int(papers.size()), 2) + digits(int(b.units.size()), 2), QString()};
    for (const Unit &u : b.units)
        list[1] += digits(int(u.questions.size()), 2);
    for (size_t p = 0; p < papers.size(); ++p) {
        QString ids, steps, tms;
        QStringList paperSteps, paperTms;
        for (int id : papers[p]) {
            ids += digits(id, 4);
            // The working files a fixed paper runs on, composed from the unit
            // files as the cover composes them when the paper starts.
            const int u = id / 100, q = id % 100;
            const Question &question = b.units[size_t(u)].questions[size_t(q - 1)];
            int start = 0;
            for (int i = 0; i < q - 1; ++i)
                start += int(b.units[size_t(u)].questions[size_t(i)].steps.size());
            paperSteps << stepLines[size_t(u)].mid(start, int(question.steps.size()));
            paperTms << tmLines[size_t(u)][q - 1];
        }
        list << ids;
        write(ctx, bank::paperFiles(int(p)).step, paperSteps);
        write(ctx, bank::paperFiles(int(p)).tm, paperTms);
    }
    write(ctx, bank::PaperListFile, list);

    b.pics.writeAll(ctx);
}

} // namespace

BANKGEN_STEP(30, "question bank", writeBank);

} // namespace bankgen
