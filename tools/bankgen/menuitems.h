#pragma once
// What the items of the editor's drop-downs and sub-menus show: a command
// name, or a small picture (a colour, a line, an arrow, a shadow, a border or
// a shape). The chrome pictures are drawn from these, over the item cells of
// the window's own tables.

#include <QString>

namespace bankgen {

enum class ItemFace { Caption, Swatch, LineWidth, DashStyle, Arrow, Shadow, Border, Shape };

// The face of item `item` of the drop-down of `cell`, or of sub-item `sub`
// of that item's sub-menu when sub is not 0.
ItemFace itemFace(int cell, int item, int sub = 0);

// The command name a caption item shows, in the words the question texts
// use for the items they name; empty for an item no table names.
QString itemCaption(int cell, int item, int sub = 0);

} // namespace bankgen
