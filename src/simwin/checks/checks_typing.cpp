// Typed text, list choice and the right-click pop-up of the simulated
// window: each handler decides whether the user's entry or choice is the
// operation the current step expects and, if so, advances. Fields are read
// from scene::StepLine at the moment of the event.
#include "simwin/scene/frmmain.h"

void FrmMain::Text1_Change() {}
void FrmMain::Text1_KeyUp(QKeyEvent *) {}
void FrmMain::Text1_MouseUp(int, int) {}
void FrmMain::Text1_GotFocus() {}
void FrmMain::Text2_Change() {}
void FrmMain::Text3_Change() {}
void FrmMain::Text3_GotFocus() {}
void FrmMain::LstLA_Click() {}
void FrmMain::PicTool_MouseUp(int, int, double, double) {}
void FrmMain::wm100_Click(const QString &, int) {}
void FrmMain::systemMenu() {}
