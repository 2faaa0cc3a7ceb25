#pragma once
// Answering the program's modal boxes in tests: arm before the modal call; as
// soon as the box is on screen its real button gets a real mouse click.

#include <Qt>

namespace ts {

// Clicks LblClick_<index> of FrmKVMSGBOX (1 confirm, 0 dismiss, 3 close) with
// `button` once the box is visible. Gives up after 5 seconds.
void answerMessageBoxLater(int index, Qt::MouseButton button = Qt::LeftButton);

} // namespace ts
