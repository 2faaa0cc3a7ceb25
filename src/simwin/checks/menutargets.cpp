#include "simwin/checks/menutargets.h"

namespace chk {

std::array<scene::TargetSpec, 3> menuTargets(QStringView line)
{
    std::array<scene::TargetSpec, 3> t{scene::targetSpec(line, 1), scene::targetSpec(line, 2), scene::targetSpec(line, 3)};
    if (t[1].isPath() && t[1].hotSpot >= 32 && t[1].hotSpot <= 40)
        t[2] = scene::TargetSpec{};
    return t;
}

StepMove cellRelease(QStringView line, int cell)
{
    for (const scene::TargetSpec &t : menuTargets(line)) {
        if (t.isPath() && t.text.size() == 10 && t.text.mid(3, 4) == u"0000" && t.hotSpot == cell)
            return jumpBy(t.jump);
    }
    return {};
}

StepMove itemClick(QStringView line, int cell, int item)
{
    const auto targets = menuTargets(line);
    for (const scene::TargetSpec &t : targets) {
        if (t.isPath() && t.text.size() == 10 && t.text.mid(5, 2) == u"00" && t.hotSpot == cell && t.item == item)
            return jumpBy(t.jump);
    }
    const scene::TargetSpec &t3 = targets[2];
    if (t3.isMarkedItem() && t3.hotSpot == cell && t3.item == item)
        return StepMove::next();
    return {};
}

StepMove subItemClick(QStringView line, int cell, int item, int sub)
{
    for (const scene::TargetSpec &t : menuTargets(line)) {
        if (t.isPath() && t.text.size() == 10 && t.hotSpot == cell && t.item == item && t.subItem == sub)
            return jumpBy(t.jump);
    }
    return {};
}

std::optional<QString> markedItemHover(QStringView line, int cell, int item)
{
    const scene::TargetSpec t3 = menuTargets(line)[2];
    if (t3.isMarkedItem() && t3.hotSpot == cell && t3.item == item)
        return t3.stem;
    return std::nullopt;
}

std::optional<DropDownMarker> dropDownMarker(QStringView line, int cell)
{
    const scene::TargetSpec t = menuTargets(line)[2];
    if (!t.isMarkedItem() || t.text.size() < 10 || t.hotSpot != cell || t.item < 1 || t.item > 44)
        return std::nullopt;
    return DropDownMarker{t.item, t.stem};
}

} // namespace chk
