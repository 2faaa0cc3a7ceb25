#pragma once
// The main target label and the hot-spot pictures: which click, double click
// or pointing is the step's operation. Every function reads the step record
// it is given at the moment of the event.

#include "simwin/checks/stepmove.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace chk {

// What a release on the main target does, after the override pop-up (if any)
// has been shown and dismissed without advancing.
struct TargetAction
{
    StepMove move;
    std::optional<int> popupMenu; // open the pop-up with this menu number
};

// A button released on the main target.
struct Label1Release
{
    // Shown first: the pop-up of the record's menu-code override (right
    // button, thousands digit 3-6). When its choice advances, the gesture
    // ends there.
    std::optional<int> overrideMenu;
    // Otherwise, then: the step code's own rule (buttons 1 left, 2 right,
    // 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt, summed).
    TargetAction then;
};
// text1: the typing box's text, for the red-box confirmation of typed text
// (codes 22, 26, 28); the expected text is looked up in the answer-text file
// at answerFile.
Label1Release label1Release(QStringView stepLine, int button, int shift, const QString &text1,
                            const QString &answerFile);

// A double click on the main target: "0002" jumps by the box's jump digit.
StepMove label1DoubleClick(QStringView stepLine);

// The pointer moved over the main target: "0030" advances. The pointer shape
// is then set from the record as it stands (targetPointer, pointer.h).
StepMove label1Pointing(QStringView stepLine);

// A click on hot-spot picture k (1-6): the jump of its picture area; "0"
// does nothing.
StepMove pictureClick(QStringView stepLine, int k);

} // namespace chk
