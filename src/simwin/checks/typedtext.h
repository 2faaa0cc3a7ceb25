#pragma once
// Typed text, selections and list choices judged against the answer-text
// file. Plain functions of (step code, what the candidate typed or chose,
// expected text): the window reads its boxes, calls these and advances on
// true. Text1 changes, Text2/Text3 changes and list clicks must not be judged
// while the scene builder itself fills the boxes: the window runs each such
// check once when the scene is complete.

#include "foundation/blanks.h"
#include <QString>
#include <QStringView>
#include <optional>

namespace chk {

// Expected texts come from the step record's reference fields through
// scene::lookup: nullopt (no answer file, or an empty one) never matches,
// not even an empty box; "000" is the empty text.

// Leading and trailing U+0020 removed, nothing else.
using fnd::trimBlanks;

// The printable ASCII characters other than the space (codes 33-126) of a
// text, in order.
QString compactForm(QStringView text);

// Text1 changed: "0020" either alternative, trimmed, any case; "0025" the
// same with case counting. Other codes never advance here.
bool text1ChangeAdvances(QStringView stepCode, const QString &text, const std::optional<QString> &expected);

// Text2 changed (shown for "0021" only): the whole expected text, trimmed,
// case counting; a "|" is an ordinary character.
bool text2ChangeAdvances(const QString &text, const std::optional<QString> &expected);

// Text3 changed (shown for "0027" only): either alternative, trimmed, any case.
bool text3ChangeAdvances(const QString &text, const std::optional<QString> &expected);

// A key released in Text1.
enum class EnterVerdict {
    Ignore,  // not Enter, or not an Enter-confirmed code
    Advance, // doNext
    Clear,   // wrong entry: empty Text1
};
// "0022", "0024", "0028" with key code 13: the text or its compact form
// against either alternative, trimmed, any case.
EnterVerdict text1KeyUpVerdict(QStringView stepCode, int keyCode, const QString &text,
                               const std::optional<QString> &expected);

// A mouse button released over Text1, code "0023": the selected text
// (untrimmed) against the trimmed hint-line text, any case.
bool selectionAdvances(QStringView stepCode, const QString &selectedText, const std::optional<QString> &hintText);

// The red-box (or Label4) confirmation of a typed text for "0022", "0026",
// "0028": Text1 against either alternative, trimmed, any case, no compact form.
bool typedTextConfirmed(const QString &text, const std::optional<QString> &expected);

// Text1 took the focus on a "0027" step: the focus moves on to Text3.
bool text1FocusMovesToText3(QStringView stepCode);

// List choice: the chosen 0-based index against the answer field (characters
// 109-111) read as a number; "000" is the first item.
bool listChoiceAdvances(int listIndex, QStringView answerField);

} // namespace chk
