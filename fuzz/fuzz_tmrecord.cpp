// Fuzz target: question lines (TmRecord) and the question files they make up
// (a unit's or a set's). The input's first piece, cut at NUL bytes, is a
// question file: its lines are shown, counted and give the step starts. The
// second is the run (set kind, question number, count, then two bytes a
// question: id and done flag) and the third the subject title, for the
// question window's header. Nothing may crash, and what is shown keeps the
// line's bounds.
#include "foundation/gbkfile.h"
#include "run/compose.h"
#include "run/runstate.h"
#include "run/tmrecord.h"

#include "fuzzsupport.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Pieces in(data, size);
    QStringList lines;
    for (const QByteArray &l : fnd::splitLines(in[0]))
        lines << fnd::decodeGbk(l);

    for (const QString &line : lines) {
        const run::TmDisplay shown = run::tmDisplay(line);
        const run::TmDisplay marked = run::tmDisplay(line, true);
        check(shown.isPicture == marked.isPicture);
        if (shown.isPicture) {
            check(shown.picture.size() <= 6 && shown.text.size() <= line.size());
        } else {
            // The text from character 7, every "|" two characters.
            check(marked.text == line.mid(6));
            check(shown.text.size() == marked.text.size() + marked.text.count(u'|'));
            check(!shown.text.contains(u'|'));
        }
        const int steps = run::stepCountOf(line);
        check(steps >= 0 && steps <= 99);
    }

    const int count = run::questionCountOf(lines);
    check(count >= 0 && count <= run::MaxQuestions && count <= lines.size());
    for (int i = 0; i < count; ++i)
        check(!lines[i].trimmed().isEmpty());
    run::resetRunState();
    // Counts are 0 to 99: starts that fit never go back (none wrapped).
    if (run::fillStepStart(lines))
        for (int i = 1; i <= std::min(count, run::MaxQuestions - 1); ++i)
            check(run::StepStart[size_t(i + 1)] >= run::StepStart[size_t(i)]);
    check(run::StepStart[1] == 1);

    // The header of the question window.
    static const int kinds[] = {0, 2, 5, 6, 8, 9, 10, 11, 12, 13, 14, 20, 17, -1};
    const QByteArray r = in[1];
    auto byte = [&](int i) { return i < r.size() ? uint8_t(r[i]) : uint8_t(0); };
    run::PaperType = qint16(kinds[byte(0) % std::size(kinds)]);
    run::TaoNo = qint16(int8_t(byte(1)));
    run::RecNo = qint16(int8_t(byte(2)));
    run::TmNo = qint16(int16_t(byte(3) << 8 | byte(4)));
    run::TmSum = qint16(int16_t(byte(5) << 8 | byte(6)));
    for (int i = 1; 6 + 2 * i < r.size() && i <= run::MaxQuestions; ++i) {
        run::TmId[i] = qint16(int16_t(byte(5 + 2 * i) * 131));
        run::TmDone[i] = byte(6 + 2 * i) & 1 ? QStringLiteral("T") : QStringLiteral("F");
    }
    const QString title = fnd::decodeGbk(in[2]);
    if (const auto header = run::questionHeader(title)) {
        check(run::TmSum > 0);
        check(header->startsWith(title.left(2)));
    }
    return 0;
}
