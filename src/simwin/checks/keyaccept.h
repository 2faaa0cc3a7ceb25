#pragma once
// Which key presses perform the current step's operation: the step's own key
// code, its key alternatives, and the shortcut keys of the menu items its
// targets name. Read from the step record at the moment of the key press.

#include "simwin/checks/stepmove.h"
#include "simwin/scene/keycodes.h"

#include <QList>
#include <QStringView>
#include <optional>

namespace chk {

// The shortcut of a menu item named by a hot-spot path's MMII (menu title and
// item, two digits each); nullopt for items without one (every toolbar cell
// among them).
std::optional<scene::KeyPress> shortcut(QStringView mmii);

// Where a key-operation code "6" x yy stands; the two digits yy decode by
// place: the operation code reads 12 as F1 (112); the alternatives at 86 and
// 96 add 100 to yy up to 20 (12-20 F1-F9); the alternative at 91 reads yy as
// it stands.
enum class KeyPlace { OperationCode, Alt86, Alt91, Alt96 };
// The key press of a code in the 6000s; nullopt for any other code.
std::optional<scene::KeyPress> keyOfCode(int code, KeyPlace place);

// Every key press that completes the step, in the order they are tested: the
// operation code, the key alternatives at 86, 91 and 96 ("P" and a code in
// the 6000s), then the shortcuts of the "H" targets at 125, 86 and 96.
QList<scene::KeyPress> acceptedKeys(QStringView stepLine);

// A key press on the window, a bar or drop-down picture box, a list border
// strip or Image6: the next step when it is one of acceptedKeys (shift states
// compared whole), else nothing. One key press advances at most one step, and
// the window's StepType keeps the step's own code.
chk::StepMove keyClick(QStringView stepLine, int keyCode, int shift);

} // namespace chk
