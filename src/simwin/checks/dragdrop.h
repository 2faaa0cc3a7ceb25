#pragma once
// The second target label as a drag source: press, move and release decide
// whether a drag-and-drop onto the main target (with the Shift keys the step
// names) completes the step, whether the press or release is a plain click,
// and whether a release confirms the typed text of "0028". The window keeps
// the outline's visibility, the dragging flag and the label's pointer number
// and hands them in.

#include "simwin/checks/stepmove.h"
#include "simwin/scene/cursorshape.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <optional>

namespace chk {

// The Shift keys held equal those the code's last digit names.
bool dragKeysMatch(QStringView stepLine, int shift);

struct Label4Press
{
    StepMove move;             // a plain click: the gesture ends here
    bool startOutline = false; // show the outline 15 by 15 twips at the press point
    bool startDrag = false;    // Dragging = true
};
Label4Press label4Press(QStringView stepLine, int button, int shift);

struct Label4Move
{
    bool stretchOutline = false;             // outlineRect(press point, pointer)
    std::optional<scene::PointerChoice> dragPointer; // show this pointer on the source
};
Label4Move label4Move(QStringView stepLine, int shift, bool outlineVisible, bool dragging);

struct Label4Release
{
    StepMove move;
    bool hideOutline = false;
    bool endDrag = false;      // Dragging = false
    bool resetPointer = false; // the source's pointer back to 0
};
// dropInTarget: dropInside(drop point, main target rectangle);
// sourcePointer: the source label's pointer number (0 = no drag pointer was
// shown); text1: the typing box's text for "0028", whose expected text is
// looked up in the answer-text file at answerFile.
Label4Release label4Release(QStringView stepLine, int shift, bool outlineVisible, bool dropInTarget,
                            int sourcePointer, const QString &text1, const QString &answerFile);

// The drop point lies in the box, edges included (twips).
bool dropInside(QPointF drop, const QRectF &box);

// The outline from the press point to the pointer: its top-left corner stays
// at the press point and its size is the pointer's distance from it.
QRectF outlineRect(QPointF pressPoint, QPointF pointer);

} // namespace chk
