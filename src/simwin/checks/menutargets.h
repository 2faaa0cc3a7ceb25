#pragma once
// The menu targets of a step: clicks on bar cells matched against the
// step's three target fields, and the marker a drop-down shows for a "D"
// target.

#include "simwin/checks/stepmove.h"
#include "simwin/scene/steprecord.h"

#include <QString>
#include <array>
#include <optional>

namespace chk {

// T1, T2 and T3 in the order they are tried. When T2 names an extra panel
// ("H" and a cell 32 to 40), the characters of T3 hold the panel's place and
// T3 is no target: it is returned empty.
std::array<scene::TargetSpec, 3> menuTargets(QStringView line);

// A left release on bar cell `cell` (CurZHU is then the cell): the advance of
// the first field "H" MM "0000" .. G whose MM reads the cell's number. One
// click advances at most once; a "D" field never matches a cell.
StepMove cellRelease(QStringView line, int cell);

// A click on first-level item `item` of the drop-down of `cell` (Cur1J is
// then the item): the first field "H" MM II "00" naming both advances by its
// jump; else a "D" in T3 naming them goes on to the next step. At most one
// advance.
StepMove itemClick(QStringView line, int cell, int item);

// A click on sub-item `sub` of the sub-menu of item `item` of `cell`: the
// first field "H" MM II SS naming all three advances by its jump.
StepMove subItemClick(QStringView line, int cell, int item, int sub);

// The marked item's hover picture stem while pointing at `item` of the
// drop-down of `cell`: T3 "D" naming both.
std::optional<QString> markedItemHover(QStringView line, int cell, int item);

// The marked item of the drop-down of `cell`: T3 "D" with MM reading the
// cell, an item 1 to 44, and the picture stem.
struct DropDownMarker {
    int item = 0;
    QString stem;
};
std::optional<DropDownMarker> dropDownMarker(QStringView line, int cell);

} // namespace chk
