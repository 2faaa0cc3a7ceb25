#include "simwin/checks/dragdrop.h"

#include "simwin/checks/typedtext.h"
#include "simwin/scene/steprecord.h"

#include <cmath>

namespace chk {

bool dragKeysMatch(QStringView stepLine, int shift)
{
    return shift == scene::number(stepLine, 11, 1);
}

Label4Press label4Press(QStringView stepLine, int button, int shift)
{
    Label4Press p;
    if (button == 1 && scene::label4Box(stepLine).jump == u'0' && scene::stepTypeText(stepLine) != u"0028"
        && !scene::paneOrBarIsEE(stepLine)) {
        p.move = StepMove::next();
        return p;
    }
    const bool keys = dragKeysMatch(stepLine, shift);
    p.startOutline = keys && scene::isOutlineDragStep(stepLine);
    p.startDrag = keys && scene::isDragAndDropStep(stepLine);
    return p;
}

Label4Move label4Move(QStringView stepLine, int shift, bool outlineVisible, bool dragging)
{
    Label4Move m;
    if (!dragKeysMatch(stepLine, shift))
        return m;
    if (scene::isOutlineDragStep(stepLine)) {
        if (!outlineVisible)
            return m;
        m.stretchOutline = true;
    }
    if (scene::isDragAndDropStep(stepLine) && dragging)
        m.dragPointer = scene::dragPointer(stepLine);
    return m;
}

Label4Release label4Release(QStringView stepLine, int shift, bool outlineVisible, bool dropInTarget,
                            int sourcePointer, const QString &text1, const QString &answerFile)
{
    Label4Release r;
    const bool keys = dragKeysMatch(stepLine, shift);
    if (keys && scene::isOutlineDragStep(stepLine)) {
        if (outlineVisible && dropInTarget) {
            r.move = StepMove::next();
            return r;
        }
        r.hideOutline = true;
    }
    if (keys && scene::isDragAndDropStep(stepLine)) {
        r.endDrag = true;
        if (dropInTarget && sourcePointer != 0) {
            r.move = jumpBy(scene::dropJump(stepLine));
            return r;
        }
        r.resetPointer = true;
    }
    if (scene::stepTypeText(stepLine) == u"0028"
        && typedTextConfirmed(text1, scene::lookup(answerFile, scene::answerField(stepLine)))) {
        r.move = StepMove::next();
        return r;
    }
    r.move = goUnlessZero(scene::label4Box(stepLine).jump);
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
