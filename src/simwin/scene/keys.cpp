// Step sequencing and keyboard operations of the simulated window.
#include "simwin/scene/frmmain.h"

#include "cover/runstate.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"

#include <QKeyEvent>

// Timer2: the deferred scene build after a question was loaded (one shot).
void FrmMain::Timer2_Timer() { setData(); }

// Timer3: consecutive "8888" scenes advance once a second; the next scene's
// build switches the timer off for any other code.
void FrmMain::Timer3_Timer()
{
    if (StepType == 8888)
        doNext();
}

// The next step after a right action. At the final scene the question is
// completed (once) and the step stays.
void FrmMain::doNext()
{
    frmCsh();
    CurZHU = 0;
    Cur1J = 0;
    if (steprec::stepTypeText(scene::StepLine) != u"9999") {
        ++scene::StepNo;
        setData();
    } else if (run::TmNo >= 1 && run::TmNo <= run::MaxQuestions) {
        run::TmState[run::TmNo] = qint16(scene::completedState(run::TmState[run::TmNo]));
    }
    orderWindows();
}

// The step a JumpDigit names; "0" does nothing.
void FrmMain::GoStep(const QString &cStep)
{
    const int n = steprec::jumpStep(cStep);
    if (n == 0)
        return;
    scene::StepNo = qint16(n);
    setData();
}
void FrmMain::KeyClick(int, int) {}
void FrmMain::Form_KeyDown(QKeyEvent *) {}
void FrmMain::Form_MouseMove(int, int, double, double) {}
void FrmMain::lblMove_MouseDown(int, int, double, double) {}
void FrmMain::Image6_KeyDown(QKeyEvent *) {}
void FrmMain::Bar_KeyDown(QKeyEvent *) {}
