#include "simwin/checks/typedtext.h"

#include "foundation/numparse.h"
#include "simwin/scene/steprecord.h"

namespace chk {

QString compactForm(QStringView text)
{
    QString out;
    for (QChar c : text)
        if (c.unicode() >= 33 && c.unicode() <= 126)
            out.append(c);
    return out;
}

static QString folded(QStringView text) { return trimBlanks(text).toLower(); }

// Either alternative equals the text, both trimmed; case-insensitive unless
// caseCounts.
static bool matchesEither(const QString &text, const QString &expected, bool caseCounts)
{
    const auto [first, second] = scene::alternatives(expected);
    if (caseCounts) {
        const QString t = trimBlanks(text);
        return t == trimBlanks(first) || t == trimBlanks(second);
    }
    const QString t = folded(text);
    return t == folded(first) || t == folded(second);
}

bool text1ChangeAdvances(QStringView stepCode, const QString &text, const std::optional<QString> &expected)
{
    if (!expected)
        return false;
    if (stepCode == u"0020")
        return matchesEither(text, *expected, false);
    if (stepCode == u"0025")
        return matchesEither(text, *expected, true);
    return false;
}

bool text2ChangeAdvances(const QString &text, const std::optional<QString> &expected)
{
    return expected && trimBlanks(text) == trimBlanks(*expected);
}

bool text3ChangeAdvances(const QString &text, const std::optional<QString> &expected)
{
    return expected && matchesEither(text, *expected, false);
}

EnterVerdict text1KeyUpVerdict(QStringView stepCode, int keyCode, const QString &text,
                               const std::optional<QString> &expected)
{
    if (keyCode != 13 || (stepCode != u"0022" && stepCode != u"0024" && stepCode != u"0028"))
        return EnterVerdict::Ignore;
    if (expected
        && (matchesEither(compactForm(text), *expected, false) || matchesEither(text, *expected, false)))
        return EnterVerdict::Advance;
    return EnterVerdict::Clear;
}

bool selectionAdvances(QStringView stepCode, const QString &selectedText, const std::optional<QString> &hintText)
{
    return stepCode == u"0023" && hintText && selectedText.toLower() == folded(*hintText);
}

bool typedTextConfirmed(const QString &text, const std::optional<QString> &expected)
{
    return expected && matchesEither(text, *expected, false);
}

bool text1FocusMovesToText3(QStringView stepCode) { return stepCode == u"0027"; }

bool listChoiceAdvances(int listIndex, QStringView answerField)
{
    return listIndex == fnd::leadingInt(answerField);
}

} // namespace chk
