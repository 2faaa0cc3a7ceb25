#include "simwin/checks/tabclick.h"

#include "foundation/numparse.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"

#include <algorithm>

namespace chk {

QString wrongTabHint(int target)
{
    return QStringLiteral("请选择第") + QString::number(target) + QStringLiteral("个选项卡");
}

QString hintLines(const QString &hint)
{
    QString out = hint;
    return out.replace(u'|', QStringLiteral("\r\n"));
}

TabClick tabClick(int index, const TabStrip &strip, QStringView stepLine)
{
    TabClick c;
    const bool area = strip.image >= 1 && strip.image <= 5;
    if (area)
        c.pagePicture = scene::tabPage(strip.layout, index);
    if (scene::isTwoRow(strip.count))
        c.newRow = index > 6 ? 2 : 1;
    c.rightTab = index == strip.target;
    if (c.rightTab && area)
        c.ownPicture = steprec::pictureArea(stepLine, strip.image).name;
    c.hint = hintLines(c.rightTab ? strip.hintText : wrongTabHint(strip.target));
    return c;
}

QList<double> tabCellTops(const QString &layout, int count, int row, int areaTop, double yScale)
{
    const int r = scene::tabRowTop(layout);
    const double back = r * yScale + areaTop;
    const double front = (r + 300) * yScale + areaTop;
    QList<double> tops;
    for (int i = 1; i <= count; ++i) {
        const bool firstRow = i <= 6;
        tops << ((firstRow == (row != 2)) ? front : back);
    }
    return tops;
}

int cancelStep(const QString &backSpec, int stepNo)
{
    int back = 1;
    if (backSpec.startsWith(u'Q')) {
        back = num::leadingInt(QStringView(backSpec).right(1));
        if (back == 0)
            back = 1;
    }
    return std::max(1, stepNo - back);
}

} // namespace chk
