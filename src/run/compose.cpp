#include "run/compose.h"

#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "run/records.h"
#include "run/runstate.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <vector>

namespace run {

namespace {

const QString LogTag = QStringLiteral("initshiti");
constexpr long FileNotFound = 53;
constexpr long FileAccessError = 75;
constexpr long OutOfRange = 9;
constexpr long Overflow = 6;
constexpr int UnitLimit = 20; // units 0 to 19: unit 20's question file would be the answer-text file

// A file's bytes with the places of its lines (CR LF, LF or CR end a line),
// so that lines are copied as they stand, without decoding.
struct LineIndex
{
    QByteArray bytes;
    fnd::LineSpans spans;

    int size() const { return int(spans.size()); }
    QByteArrayView line(int n) const // from 1
    {
        const auto &s = spans[size_t(n - 1)];
        return QByteArrayView(bytes.constData() + s.first, s.second);
    }

    static std::optional<LineIndex> read(const QString &path)
    {
        auto bytes = fnd::readBytes(path);
        if (!bytes)
            return std::nullopt;
        LineIndex x;
        x.bytes = std::move(*bytes);
        x.spans = fnd::lineSpans(x.bytes);
        return x;
    }
};

// A unit's two files, read once per composition, with the running sum of
// the step counts of its question lines.
struct Unit
{
    LineIndex questions;
    LineIndex steps;
    std::vector<int> stepEnd; // [n]: the last step line of question n; [0] = 0
};

struct Composed
{
    std::vector<qint16> ids;
    QByteArray tmBytes, stepBytes;
    QStringList tmLines;
};

void logFailure(long number, const QString &text) { fnd::trapError(LogTag, number, text); }

// Empty once trimmed (QString::trimmed's white space), found without the
// copy trimmed() makes of a question line that may be 50 MB long.
bool blankLine(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); });
}

// The id of group i (from 0): the value of its characters by the
// leading-number rule (blanks do not count); the last group may be short.
int idOfGroup(QStringView list, int i)
{
    return int(fnd::roundHalfEven(fnd::leadingValueIgnoringSpaces(list.mid(qsizetype(i) * IdWidth, IdWidth))));
}

std::optional<Unit> readUnit(int u)
{
    const bank::WorkFiles files = bank::unitFiles(u);
    const QString tmPath = fnd::dataFile(files.tm), stepPath = fnd::dataFile(files.step);
    auto questions = LineIndex::read(tmPath);
    if (!questions || questions->size() == 0) {
        logFailure(FileNotFound, QStringLiteral("the question file %1 of unit %2 cannot be read or is empty")
                                     .arg(files.tm).arg(u));
        return std::nullopt;
    }
    auto steps = LineIndex::read(stepPath);
    if (!steps) {
        logFailure(FileNotFound, QStringLiteral("the step file %1 of unit %2 cannot be read").arg(files.step).arg(u));
        return std::nullopt;
    }
    Unit unit{std::move(*questions), std::move(*steps), {0}};
    unit.stepEnd.reserve(size_t(unit.questions.size()) + 1);
    for (int n = 1; n <= unit.questions.size(); ++n) {
        // The count is within the first six characters, at most twelve bytes.
        const QByteArrayView line = unit.questions.line(n);
        unit.stepEnd.push_back(unit.stepEnd.back() + stepCountOf(fnd::decodeGbk(line.first(std::min<qsizetype>(16, line.size())))));
    }
    return unit;
}

// The questions a list composes: its length / 4, halves to the even
// neighbour, at most MaxQuestions.
int setSize(QStringView list)
{
    return int(std::clamp<long long>(fnd::roundHalfEven(double(list.size()) / IdWidth), 0, MaxQuestions));
}

std::optional<Composed> compose(QStringView list)
{
    const int sum = setSize(list);
    Composed c;
    std::array<std::optional<Unit>, UnitLimit> units;
    for (int i = 0; i < sum; ++i) {
        const int id = idOfGroup(list, i);
        const int u = id / 100, p = id % 100;
        if (id < 0 || u >= UnitLimit) {
            logFailure(OutOfRange, QStringLiteral("id %1 names no unit of the bank").arg(list.mid(i * IdWidth, IdWidth)));
            return std::nullopt;
        }
        if (!units[size_t(u)]) {
            units[size_t(u)] = readUnit(u);
            if (!units[size_t(u)])
                return std::nullopt;
        }
        const Unit &unit = *units[size_t(u)];
        // Position 0 gives the first line, a position past the end the last.
        const int n = std::clamp(p, 1, unit.questions.size());
        const QByteArrayView line = unit.questions.line(n);
        c.ids.push_back(qint16(id));
        c.tmBytes.append(line.data(), line.size()).append("\r\n");
        c.tmLines << fnd::decodeGbk(line);
        const int last = std::min(unit.stepEnd[size_t(n)], unit.steps.size());
        for (int s = unit.stepEnd[size_t(n - 1)] + 1; s <= last; ++s) {
            const QByteArrayView step = unit.steps.line(s);
            c.stepBytes.append(step.data(), step.size()).append("\r\n");
        }
    }
    return c;
}

std::optional<QStringList> composeAndWrite(QStringView list, int fileNo)
{
    if (fileNo < 0 || fileNo >= bank::UnitSet) {
        // Numbers from 20 on name the unit files themselves.
        logFailure(OutOfRange, QStringLiteral("working files %1 are not a composed set's").arg(fileNo));
        return std::nullopt;
    }
    auto c = compose(list);
    if (!c)
        return std::nullopt;
    // A set the run could not find its steps in is not written.
    if (!stepStartsFit(c->tmLines)) {
        logFailure(Overflow, QStringLiteral("Overflow: the set's steps run past line 32767 of its step file"));
        return std::nullopt;
    }
    const bank::WorkFiles files = bank::workFilesNumbered(fileNo);
    for (const auto &[name, bytes] : {std::pair{files.step, &c->stepBytes}, std::pair{files.tm, &c->tmBytes}}) {
        if (!fnd::writeBytes(fnd::dataFile(name), *bytes)) {
            logFailure(FileAccessError, QStringLiteral("the working file %1 could not be written").arg(name));
            return std::nullopt;
        }
    }
    TmSum = qint16(c->ids.size());
    for (size_t i = 0; i < c->ids.size(); ++i)
        TmId[i + 1] = c->ids[i];
    return c->tmLines;
}

} // namespace

int stepCountOf(QStringView tmLine) { return fnd::leadingInt(bank::chars(tmLine, bank::Tm.stepCount)); }

int questionCountOf(const QStringList &tmLines)
{
    int count = 0;
    while (count < tmLines.size() && count < MaxQuestions && !blankLine(tmLines[count]))
        ++count;
    return count;
}

std::optional<QString> lastScannedLine(const QStringList &tmLines)
{
    if (tmLines.isEmpty())
        return std::nullopt;
    return tmLines[std::min<qsizetype>(questionCountOf(tmLines), tmLines.size() - 1)];
}

namespace {
// The starts of the lines, entries 1 to the last filled; nullopt when one
// does not fit a 16-bit line number.
std::optional<std::vector<qint16>> stepStarts(const QStringList &tmLines)
{
    std::vector<qint16> starts{0, 1};
    for (int c = 1; c <= tmLines.size() && c < MaxQuestions; ++c) {
        const QString &line = tmLines[c - 1];
        if (blankLine(line))
            break;
        const int next = starts[size_t(c)] + stepCountOf(line);
        if (next < std::numeric_limits<qint16>::min() || next > std::numeric_limits<qint16>::max())
            return std::nullopt;
        starts.push_back(qint16(next));
    }
    return starts;
}
} // namespace

bool stepStartsFit(const QStringList &tmLines) { return stepStarts(tmLines).has_value(); }

bool fillStepStart(const QStringList &tmLines)
{
    StepStart[1] = 1;
    const auto starts = stepStarts(tmLines);
    if (!starts) {
        fnd::trapError(QStringLiteral("startlianxi"), Overflow,
                       QStringLiteral("Overflow: the steps run past line 32767 of the step file"));
        return false;
    }
    for (size_t c = 2; c < starts->size(); ++c)
        StepStart[c] = (*starts)[c];
    return true;
}

void nameRunFiles()
{
    const bank::WorkFiles files = bank::workFiles(PaperType, TaoNo);
    CommonDataFile = fnd::dataFile(bank::CommonDataFile);
    StepFile = fnd::dataFile(files.step);
    TmFile = fnd::dataFile(files.tm);
}

bool composeWorkFiles(QStringView idList, int fileNo) { return composeAndWrite(idList, fileNo).has_value(); }

ReviewSet composeExamReviewSet()
{
    if (RecNo < 0 || RecNo >= PaperSlots) {
        logFailure(OutOfRange, QStringLiteral("paper slot %1 has no wrong list").arg(RecNo));
        return ReviewSet::Failed;
    }
    const auto list = tryReadRecordLine(bank::ShiJuanCuoTiFile(RecNo));
    if (!list)
        return ReviewSet::Failed;
    // A set without questions is never started: the working files of the
    // set before stay as they are.
    if (setSize(*list) == 0)
        return ReviewSet::Empty;
    const auto tmLines = composeAndWrite(*list, bank::ComposedSet);
    if (!tmLines)
        return ReviewSet::Failed;
    PaperType = 2;
    TaoNo = 17;
    AnswerMode = 2;
    nameRunFiles();
    TmNo = 1;
    LeftMinutes = 50;
    fillStepStart(*tmLines); // the composition checked that the starts fit
    for (int i = 1; i <= TmSum; ++i) {
        TmDone[i] = QStringLiteral("F");
        TmState[i] = 0;
    }
    return ReviewSet::Composed;
}

} // namespace run
