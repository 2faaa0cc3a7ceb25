#pragma once
// src/simwin/checks/ (layer 4, core library, namespace chk): the checks,
// plain functions that decide from the step record and an event whether it
// is the step's operation, and what it does to the step (this header).
//
// What an accepted action does to the step: nothing, the next step (doNext)
// or a jump (GoStep with a one-character jump).
//
// One gesture advances at most one step. A handler acts on the first move
// that advances and then stops; the later parts of the same gesture (the
// release after a press that advanced, the click after a release that
// advanced, the rest of a release after a pop-up choice that advanced) do
// nothing.

#include <QChar>

namespace chk {

struct StepMove
{
    enum Kind { None, Next, Go };
    Kind kind = None;
    QChar jump; // Go: the jump character for GoStep

    static StepMove next() { return {Next, {}}; }
    static StepMove go(QChar digit) { return {Go, digit}; }
    bool advances() const { return kind != None; }
    bool operator==(const StepMove &) const = default;
};

// The usual jump rule: "0" the next step, any other character that step.
inline StepMove jumpBy(QChar digit) { return digit == u'0' ? StepMove::next() : StepMove::go(digit); }

// A jump that only counts when it names a step: "0" does nothing.
inline StepMove goUnlessZero(QChar digit) { return digit == u'0' ? StepMove{} : StepMove::go(digit); }

} // namespace chk
