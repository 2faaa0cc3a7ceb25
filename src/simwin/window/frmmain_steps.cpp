// Step sequencing and keyboard operations of the simulated window.
#include "simwin/window/frmmain.h"

#include "foundation/globals.h"
#include "foundation/ui/windowdrag.h"
#include "simwin/checks/keyaccept.h"
#include "simwin/checks/stepmove.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

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
    if (scene::stepTypeText(scene::StepLine) != u"9999") {
        ++scene::StepNo;
        setData();
    } else {
        scene::completeCurrentQuestion();
    }
    orderWindows();
}

// The step a JumpDigit names; "0" does nothing.
void FrmMain::GoStep(const QString &cStep)
{
    const int n = scene::jumpStep(cStep);
    if (n == 0)
        return;
    scene::StepNo = qint16(n);
    setData();
}

void FrmMain::advance(const chk::StepMove &move)
{
    switch (move.kind) {
    case chk::StepMove::Next: doNext(); break;
    case chk::StepMove::Go: GoStep(QString(move.jump)); break;
    case chk::StepMove::None: break;
    }
}

// A key press that may perform the step's operation: the step's own key, its
// key alternatives, or the shortcut of a menu item its targets name. One key
// press advances at most one step, and StepType keeps the step's own code
// (the auto-advance and the handle drag read it).
void FrmMain::KeyClick(int keyCode, int shift)
{
    StepType = scene::stepType(scene::StepLine);
    if (chk::keyClick(scene::StepLine, keyCode, shift).advances())
        doNext();
}

namespace {
void keyClickOf(FrmMain &w, const QKeyEvent *e)
{
    w.KeyClick(scene::keyCode(e->key(), e->modifiers()), scene::shiftState(e->modifiers()));
}
} // namespace

// The window's own key-down: only keys that no control of the window took
// first. A key of the focused text box, list or picture box that the control
// leaves unused travels on to the window, and is not the window's.
void FrmMain::Form_KeyDown(QKeyEvent *e)
{
    if (const QWidget *f = focusWidget(); f && f != this)
        return;
    keyClickOf(*this, e);
}

// The key-downs of the bar, drop-down and list-border picture boxes and of
// Image6 (when one of them holds the focus).
void FrmMain::Bar_KeyDown(QKeyEvent *e) { keyClickOf(*this, e); }
void FrmMain::Image6_KeyDown(QKeyEvent *e) { keyClickOf(*this, e); }

// The pointer over the bare window closes the bars' drop-downs and clears
// their hover pictures.
void FrmMain::Form_MouseMove(int, int, double, double) { frmCsh(); }

bool FrmMain::dragStripMoves(double yScale, int screenHeightPx) { return sizeRule(yScale, screenHeightPx) >= 0; }

// The drag strip over the screenshot's title bar: a left press moves the
// window with the pointer; any press brings the question window back to the
// window's bottom-right corner. On a screen too low for the window's normal
// size (kept maximised) it does nothing.
void FrmMain::lblMove_MouseDown(int button, int, double x, double y)
{
    const QScreen *s = screen();
    if (!s || !dragStripMoves(fnd::YBiLi, s->geometry().height()))
        return;
    if (button == 1) {
        movingByStrip_ = true;
        fnd::beginWindowMove(lblMove, lblMove->mapToGlobal(QPoint(fnd::xTwipsToPx(x), fnd::yTwipsToPx(y))));
    }
    dockQuestionWindow();
}

// While the strip moves the window the question window follows, so it is
// docked wherever the move ends.
void FrmMain::moveEvent(QMoveEvent *e)
{
    QWidget::moveEvent(e);
    if (!movingByStrip_)
        return;
    dockQuestionWindow();
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        movingByStrip_ = false;
}
