#include "simwin/checks/dragdrop.h"

#include "simwin/checks/typedtext.h"
#include "simwin/scene/steprecord.h"

#include <cmath>

namespace chk {

bool dragKeysMatch(QStringView stepLine, int shift)
{
    return shift == steprec::number(stepLine, 11, 1);
}

Label4Press label4Press(QStringView stepLine, int button, int shift)
{
    Label4Press p;
    if (button == 1 && steprec::label4Box(stepLine).jump == u'0' && steprec::stepTypeText(stepLine) != u"0028"
        && !steprec::paneOrBarIsEE(stepLine)) {
        p.move = StepMove::next();
        return p;
    }
    const bool keys = dragKeysMatch(stepLine, shift);
    p.startOutline = keys && steprec::isOutlineDragStep(stepLine);
    p.startDrag = keys && steprec::isDragAndDropStep(stepLine);
    return p;
}

Label4Move label4Move(QStringView stepLine, int shift, bool outlineVisible, bool dragging)
{
    Label4Move m;
    if (!dragKeysMatch(stepLine, shift))
        return m;
    if (steprec::isOutlineDragStep(stepLine)) {
        if (!outlineVisible)
            return m;
        m.stretchOutline = true;
    }
    if (steprec::isDragAndDropStep(stepLine) && dragging)
        m.dragPointer = dragPointer(stepLine);
    return m;
}

Label4Release label4Release(QStringView stepLine, int shift, bool outlineVisible, bool dropInTarget,
                            int sourcePointer, const QString &text1, const QString &answerFile)
{
    Label4Release r;
    const bool keys = dragKeysMatch(stepLine, shift);
    if (keys && steprec::isOutlineDragStep(stepLine)) {
        if (outlineVisible && dropInTarget) {
            r.move = StepMove::next();
            return r;
        }
        r.hideOutline = true;
    }
    if (keys && steprec::isDragAndDropStep(stepLine)) {
        r.endDrag = true;
        if (dropInTarget && sourcePointer != 0) {
            r.move = jumpBy(steprec::dropJump(stepLine));
            return r;
        }
        r.resetPointer = true;
    }
    if (steprec::stepTypeText(stepLine) == u"0028"
        && typedTextConfirmed(text1, steprec::lookup(answerFile, steprec::answerField(stepLine)))) {
        r.move = StepMove::next();
        return r;
    }
    r.move = goUnlessZero(steprec::label4Box(stepLine).jump);
    return r;
}

bool dropInside(QPointF drop, const QRectF &box)
{
    return box.left() <= drop.x() && drop.x() <= box.left() + box.width() && box.top() <= drop.y()
           && drop.y() <= box.top() + box.height();
}

QRectF outlineRect(QPointF pressPoint, QPointF pointer)
{
    return QRectF(pressPoint.x(), pressPoint.y(), std::abs(pointer.x() - pressPoint.x()),
                  std::abs(pointer.y() - pressPoint.y()));
}

} // namespace chk
