// The simulated window's own layer of the scene set-up, whose stages are
// the scene module's (scenewindow.h): the resume step and pictures of the
// question, the first step's clearing, the handle's start, the question's
// completion, the third typing box, the deferred checks and the hint frames.
#include "simwin/window/frmmain.h"

#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "run/runstate.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/twips.h"

#include <QLineEdit>
#include <QScopedValueRollback>

using fnd::XBiLi;
using fnd::YBiLi;

namespace {
int currentQuestion() { return std::clamp<int>(run::TmNo, 0, run::MaxQuestions); }
} // namespace

void FrmMain::setData()
{
    QScopedValueRollback<bool> guard(building_, true);
    ++sceneSerial_;
    buildScene();
    // A scene that passes its own check builds the next one from inside this
    // call. No question has more than 99 steps, so a longer chain is a loop
    // (past the step file's end its last record is read again and again):
    // that scene is not judged and waits for the candidate.
    constexpr int MostSelfAdvances = 99;
    if (selfAdvances_ >= MostSelfAdvances) {
        building_ = false;
        deferredChecks_ = 0;
        return;
    }
    QScopedValueRollback<int> chain(selfAdvances_, selfAdvances_ + 1);
    runDeferredChecks();
}

// Line StepStart(TmNo) + StepNo - 1 of the step file.
int FrmMain::sceneRecordLine() const { return run::StepStart[currentQuestion()] + scene::StepNo - 1; }

// The success label hidden, the drop-down parked, Label4's pointer reset.
void FrmMain::sceneBegins()
{
    LblSuccess->hide();
    simwin::moveTwips(Pic1J, 30000 * XBiLi, 30000 * YBiLi);
    setLabel4Pointer(0, QString());
}

// The first step of a question clears the hot-spot pictures; the question
// resumes here.
void FrmMain::recordRead()
{
    if (scene::StepNo == 1)
        for (int k = 1; k <= 6; ++k)
            Image[k]->clearPicture();
    scene::TmStep[currentQuestion()] = scene::StepNo;
}

// The names of the pictures loaded are kept for the question's reload; the
// handle's start is where area 5 was placed.
void FrmMain::picturePlaced(int k, const QString &name, bool loaded, double left, double top)
{
    if (loaded)
        scene::TmPics[currentQuestion()][k] = name;
    if (k == 5) {
        // Twips stored in integers are rounded, halves to even, as the
        // handle's own moves and restores are.
        DragX = qint32(fnd::roundHalfEven(left));
        DragY = qint16(fnd::roundHalfEven(top));
    }
}

// The builder's assignment of a box's text: a change to be judged even when
// the box already held that text (no textChanged then).
void FrmMain::fillBox(QLineEdit *box, const QString &text)
{
    box->setText(text);
    deferredChecks_ |= box == Text1 ? DeferText1 : box == Text2 ? DeferText2 : DeferText3;
}

// An "8888" scene after another keeps the running timer: one tick a second.
void FrmMain::operationCodeRead(const scene::CodeStage &c)
{
    if (!c.timer3)
        Timer3->stop();
    else if (!Timer3->isActive())
        Timer3->start();
}

// The question is complete; the question window's list and header follow
// (it is loaded throughout a run).
void FrmMain::finalScene(const scene::CodeStage &c)
{
    scene::completeCurrentQuestion();
    if (FrmTm *tm = FrmTm::loaded()) {
        FrmTm::setCaption(tm->LblUnit, scene::unfinishedCaption(run::TmState, run::TmSum));
        FrmTm::setCaption(tm->LblBiao, scene::completedHeader(tm->LblBiao->text()));
    }
    if (c.showSuccess)
        LblSuccess->show();
}

// "0027": the third box takes Text1's text, place, size, font size and
// name, colours and bold.
void FrmMain::typingBoxes(const scene::CodeStage &c)
{
    if (!c.useText3) {
        Text3->hide();
        return;
    }
    fillBox(Text3, Text1->text());
    simwin::setTwipsRect(Text3, simwin::twipsRect(Text1));
    QFont f = Text3->font();
    const QFont &from = Text1->font();
    f.setPointSizeF(from.pointSizeF());
    f.setFamily(from.family());
    f.setBold(from.bold());
    Text3->setFont(f);
    QPalette pal = Text3->palette();
    pal.setColor(QPalette::Text, Text1->palette().color(QPalette::Text));
    pal.setColor(QPalette::Base, Text1->palette().color(QPalette::Base));
    Text3->setPalette(pal);
    Text3->show();
    Text1->hide();
}

// Window order, chrome reset, the step's extra panel, the hint frames.
void FrmMain::sceneEnds()
{
    orderWindows();
    frmCsh();
    ElseToolCSH();
    TimerDisFK->start();
}
