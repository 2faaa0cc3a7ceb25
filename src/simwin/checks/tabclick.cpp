#include "simwin/checks/tabclick.h"

#include "foundation/numparse.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"

#include <algorithm>

namespace chk {

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
        c.ownPicture = scene::pictureArea(stepLine, strip.image).name;
    c.hint = scene::hintLines(c.rightTab ? strip.hintText : scene::wrongTabHint(strip.target));
    return c;
}

int cancelStep(const QString &backSpec, int stepNo)
{
    int back = 1;
    if (backSpec.startsWith(u'Q')) {
        back = fnd::leadingInt(QStringView(backSpec).right(1));
        if (back == 0)
            back = 1;
    }
    return std::max(1, stepNo - back);
}

} // namespace chk
