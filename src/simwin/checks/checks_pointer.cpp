// Mouse checks of the simulated window: the main target, the drag source,
// the hot-spot pictures, the dialog tabs and the hint frames. Each handler
// decides whether the user's action is the operation the current step expects
// and, if so, advances with doNext or GoStep. Fields are read from
// scene::StepLine at the moment of the event.
#include "simwin/scene/frmmain.h"

void FrmMain::Label1_MouseDown(int, int, double, double) {}
void FrmMain::Label1_MouseMove(int, int, double, double) {}
void FrmMain::Label1_MouseUp(int, int, double, double) {}
void FrmMain::Label1_DblClick() {}
void FrmMain::Label4_MouseDown(int, int, double, double) {}
void FrmMain::Label4_MouseMove(int, int, double, double) {}
void FrmMain::Label4_MouseUp(int, int, double, double) {}
void FrmMain::Image_MouseDown(int, int, int, double, double) {}
void FrmMain::Image_MouseMove(int, int, int, double, double) {}
void FrmMain::Image_MouseUp(int, int, int, double, double) {}
void FrmMain::Image_Click(int) {}
void FrmMain::LblXXK_Click(int) {}
void FrmMain::TimerDisFK_Timer() {}
