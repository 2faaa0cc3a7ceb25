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

std::optional<DropDownMarker> dropDownMarker(QStringView line, int cell)
{
    const scene::TargetSpec t = menuTargets(line)[2];
    if (!t.isMarkedItem() || t.text.size() < 10 || t.hotSpot != cell || t.item < 1 || t.item > 44)
        return std::nullopt;
    return DropDownMarker{t.item, t.stem};
}

} // namespace chk
