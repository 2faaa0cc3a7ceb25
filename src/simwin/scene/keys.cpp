// Step sequencing and keyboard operations of the simulated window.
#include "simwin/scene/frmmain.h"

#include <QKeyEvent>

// Timer2: the deferred scene build after a question was loaded (one shot).
void FrmMain::Timer2_Timer() { setData(); }

void FrmMain::Timer3_Timer() {}
void FrmMain::doNext() {}
void FrmMain::GoStep(const QString &) {}
void FrmMain::KeyClick(int, int) {}
void FrmMain::Form_KeyDown(QKeyEvent *) {}
void FrmMain::Form_MouseMove(int, int, double, double) {}
void FrmMain::lblMove_MouseDown(int, int, double, double) {}
void FrmMain::Image6_KeyDown(QKeyEvent *) {}
void FrmMain::Bar_KeyDown(QKeyEvent *) {}
