#include "simwin/checks/hintframes.h"

#include "simwin/scene/steprecord.h"

namespace chk {

int hintFrameCell(QStringView field, bool allowD)
{
    const QChar kind = scene::charAt(field, 1);
    if (kind != u'H' && !(allowD && kind == u'D'))
        return 0;
    const QStringView head = scene::chars(field, 1, 5);
    if (head == u"H3215" || head == u"H3216")
        return 0;
    const QChar second = scene::charAt(field, 2);
    int n = scene::number(field, 2, 2);
    if (n <= 0 && second != u'S')
        n = scene::number(field, 3, 1);
    if (second == u'Z')
        n = 100 + scene::number(field, 3, 1);
    return n;
}

std::optional<HintFrame> frameOfCell(int n)
{
    if (n >= 1 && n <= 11)
        return FrameMenu;
    if (n >= 41 && n <= 88)
        return FrameTool;
    if (n >= 12 && n <= 31)
        return FrameHui;
    if (n >= 32 && n <= 40)
        return FrameElse;
    return std::nullopt;
}

HintFramePlan hintFrames(QStringView stepLine, const QList<QRectF> &cells, QSizeF panelSize, double xScale,
                         double yScale, bool hintVisible)
{
    HintFramePlan plan;
    // Target fields 3, 2, 1 (characters 96, 86, 125): a later one wins a bar.
    for (int k : {3, 2, 1}) {
        const QStringView field = scene::chars(stepLine, scene::targetSpecPos(k), 10);
        const int n = hintFrameCell(field, k != 1);
        const auto frame = frameOfCell(n);
        if (!frame || n >= cells.size())
            continue;
        const QRectF cell = cells[n];
        if (*frame == FrameElse) {
            // The whole panel, one pixel in from its left and top edges.
            plan.rect[*frame] = QRectF(cell.left() + 15 * xScale, cell.top() + 15 * yScale,
                                       panelSize.width() - 15 * xScale, panelSize.height() - 15 * yScale);
        } else {
            plan.rect[*frame] = cell;
        }
        plan.visible[*frame] = hintVisible;
    }
    return plan;
}

} // namespace chk
