// Typed text, list choice and the right-click pop-up of the simulated
// window: each handler decides whether the user's entry or choice is the
// operation the current step expects and, if so, advances. Fields are read
// from scene::StepLine at the moment of the event.
#include "simwin/window/frmmain.h"

#include "examflow/examstate.h"
#include "platform/keyboardlayout.h"
#include "run/runstate.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/checks/typedtext.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/popupchoice.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using scene::StepLine;

namespace {
// A text of the run's answer-text file named by a field of the step record.
std::optional<QString> textOf(QStringView field) { return scene::lookup(run::CommonDataFile, field); }
// The text the current step expects.
std::optional<QString> expectedText() { return textOf(scene::answerField(StepLine)); }
} // namespace

// ---- Scene filling -----------------------------------------------------------

bool FrmMain::deferWhileBuilding(DeferredCheck check)
{
    if (!building_)
        return false;
    deferredChecks_ |= check;
    return true;
}

void FrmMain::runDeferredChecks()
{
    // The scene is complete: its own filling is judged like a change the
    // user made, once per control, in the order the builder fills them.
    building_ = false;
    const unsigned pending = std::exchange(deferredChecks_, 0u);
    const quint64 serial = sceneSerial_;
    const std::pair<DeferredCheck, void (FrmMain::*)()> checks[] = {
        {DeferText1, &FrmMain::Text1_Change},
        {DeferText2, &FrmMain::Text2_Change},
        {DeferText3, &FrmMain::Text3_Change},
        {DeferList, &FrmMain::LstLA_Click},
    };
    for (const auto &[bit, check] : checks) {
        // A check that advanced built the next scene, with its own checks.
        if (sceneSerial_ != serial)
            return;
        if (pending & bit)
            (this->*check)();
    }
}

// ---- Typing boxes ------------------------------------------------------------

void FrmMain::Text1_Change()
{
    if (deferWhileBuilding(DeferText1))
        return;
    StepType = scene::stepType(StepLine);
    if (chk::text1ChangeAdvances(scene::stepTypeText(StepLine), Text1->text(), expectedText()))
        doNext();
}

void FrmMain::Text2_Change()
{
    if (deferWhileBuilding(DeferText2))
        return;
    if (chk::text2ChangeAdvances(Text2->text(), expectedText()))
        doNext();
}

void FrmMain::Text3_Change()
{
    if (deferWhileBuilding(DeferText3))
        return;
    if (chk::text3ChangeAdvances(Text3->text(), expectedText()))
        doNext();
}

void FrmMain::Text1_KeyUp(QKeyEvent *e)
{
    const int code = scene::keyCode(e->key(), e->modifiers());
    switch (chk::text1KeyUpVerdict(scene::stepTypeText(StepLine), code, Text1->text(),
                                   expectedText())) {
    case chk::EnterVerdict::Advance:
        doNext();
        break;
    case chk::EnterVerdict::Clear:
        Text1->clear();
        break;
    case chk::EnterVerdict::Ignore:
        break;
    }
}

void FrmMain::Text1_MouseUp(int, int)
{
    if (chk::selectionAdvances(scene::stepTypeText(StepLine), Text1->selectedText(),
                               textOf(scene::hintField(StepLine))))
        doNext();
}

void FrmMain::Text1_GotFocus()
{
    if (run::UseIME)
        plat::activateKeyboardLayout(exam::CurHKL, 1);
    // A hidden box cannot take the focus; Qt skips it.
    if (chk::text1FocusMovesToText3(scene::stepTypeText(StepLine)))
        Text3->setFocus();
}

void FrmMain::Text3_GotFocus()
{
    if (run::UseIME)
        plat::activateKeyboardLayout(exam::CurHKL, 1);
}

// ---- List ----------------------------------------------------------------------

void FrmMain::LstLA_Click()
{
    if (deferWhileBuilding(DeferList))
        return;
    const int row = LstLA->currentRow();
    const QListWidgetItem *item = LstLA->item(row);
    LblXXK[0]->setText(item ? item->text() : QString());
    if (!chk::listChoiceAdvances(row, scene::answerField(StepLine)))
        return;
    LstLA->hide();
    for (QWidget *strip : {PicLeft, PicRight, PicTop, PicBottom})
        strip->hide();
    LblXXK[0]->setText(QString());
    doNext();
}

// ---- Right-click pop-up --------------------------------------------------------

void FrmMain::PicTool_MouseUp(int button, int, double, double)
{
    StepType = scene::stepType(StepLine);
    if (const auto menu = chk::toolbarPopupMenu(StepType, button))
        openPopup(*menu);
}

void FrmMain::openPopup(int menuNo)
{
    PopMenuNo = menuNo;
    systemMenu();
    simwin::execPopup(*wm100, QCursor::pos());
}

void FrmMain::systemMenu()
{
    fillPopup(chk::buildPopup(chk::menuFilePath(), chk::menuCode(StepLine), PopMenuNo), 0);
}

void FrmMain::wm100_Click(int arrayDigit, int index)
{
    if (chk::menuItemIsRight(chk::menuCode(StepLine), PopMenuNo, arrayDigit, index))
        doNext();
}
