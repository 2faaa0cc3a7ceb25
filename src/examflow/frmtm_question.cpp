// The question window's question loading, its mode layout and the question
// chooser.
#include "examflow/frmtm.h"

#include "demo/window/frmyanshi.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/showntext.h"
#include "foundation/ui/kvelbutton.h"
#include "run/runstate.h"
#include "run/tmrecord.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QTextEdit>

namespace {

// Line n of the file (its last line when it is shorter), or nullopt when the
// file cannot be read or holds no line.
std::optional<QString> questionLine(const QString &file, int n) { return fnd::readLineClamped(file, std::max(n, 1)); }

// The question a run-state index may address: 1 to 500.
int questionIndex(int n) { return std::clamp(n, 1, run::MaxQuestions); }

} // namespace

void FrmTm::DqExam()
{
    const int sum = std::clamp<int>(run::TmSum, 0, run::MaxQuestions);
    const int tm = questionIndex(run::TmNo);
    // 1. Navigation.
    CmdGN[0]->setEnabled(sum > 0 && run::TmNo > 1);
    CmdGN[1]->setEnabled(sum > 0 && run::TmNo < run::TmSum);
    // 4. The picture of the last picture question goes; its window hides.
    FrmPicture &pic = FrmPicture::get();
    pic.hide();
    pic.Image1->clearPicture();
    Image2->hide();
    if (sum == 0) {
        // An empty set: nothing to load and no scene to build.
        RtbTM->clear();
        setCaption(LblUnit, scene::unfinishedCaption(run::TmState, 0));
        focusReturn();
        return;
    }
    // 2. The line, read anew every time; kept when the file gives none.
    if (const auto line = questionLine(run::TmFile, run::TmNo))
        run::TmLine = *line;
    // 3, 5. The text, or a picture question's text and picture.
    const run::TmDisplay shown = run::tmDisplay(run::TmLine);
    RtbTM->setPlainText(fnd::shownText(shown.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (shown.isPicture) {
        pic.Image1->loadPicture(fnd::dataFile(shown.picture));
        Image2->setCaption(QStringLiteral("显示图片"));
        Image2->show();
    }
    // 6-7. The scene the question was left in, then its own scene built by
    // Timer2. A name that gives no file leaves that picture as it was.
    FrmMain &w = FrmMain::get();
    w.loadPicture(fnd::dataFile(scene::TmPics[tm][0]));
    for (int k = 1; k <= 6; ++k)
        w.Image[k]->loadPicture(fnd::dataFile(scene::TmPics[tm][k]));
    w.Timer2->start();
    // 8-9. Header.
    if (const auto header = run::questionHeader(fnd::ExamTitle))
        setCaption(LblBiao, *header);
    // 10. Unfinished list.
    setCaption(LblUnit, scene::unfinishedCaption(run::TmState, sum));
    // 11-13. Visited, the resume step, practice unless an exam.
    if (!(run::TmState[tm] & 1))
        run::TmState[tm] += 1;
    scene::StepNo = scene::TmStep[tm];
    if (run::AnswerMode != 3)
        run::AnswerMode = 2;
    // 14. Mark or unmark.
    const bool marked = run::TmState[tm] & 2;
    CmdGN[3]->setVisible(!marked);
    CmdGN[11]->setVisible(marked);
    // 15.
    if (run::PaperType == 0 && run::AnswerMode == 2)
        TimKsModel->start();
    // 16.
    focusReturn();
}

void FrmTm::StartYanShi()
{
    // 1-2.
    FrmPicture &pic = FrmPicture::get();
    pic.hide();
    Image2->setCaption(QStringLiteral("显示图片"));
    run::YanShiRun = true;
    // 3. The line read again; kept when the file gives none.
    if (const auto line = questionLine(run::TmFile, run::TmNo))
        run::TmLine = *line;
    // 4-5. The text with its "|" marks; a picture question's picture (none
    // when its file is missing) and its text after the picture's name.
    const run::TmDisplay shown = run::tmDisplay(run::TmLine, true);
    RtbTM->setPlainText(fnd::shownText(shown.text));
    Image2->hide();
    if (shown.isPicture) {
        pic.Image1->clearPicture();
        pic.Image1->loadPicture(fnd::dataFile(shown.picture));
        Image2->setCaption(QStringLiteral("显示图片"));
        Image2->show();
    }
    // 6.
    run::YanShiRun = true;
    TimStartYS->start();
}

void FrmTm::TimStartYS_Timer()
{
    // The first tick only counts.
    if (++TimStartYSTicks <= 1)
        return;
    TimStartYSTicks = 0;
    TimStartYS->stop();
    FrmMain::get().hide();
    hide();
    FrmYanShi::get().show();
    run::YanShiRun = true;
}

void FrmTm::focusReturn() { showNormalState(FrmMain::get()); }

void FrmTm::showNormalState(FrmMain &w)
{
    // A screen too low for the window keeps it maximised.
    if (w.maximisedByRule())
        w.showMaximized();
    else
        w.showNormal();
    // Active, it takes the keyboard; the window order brings it to the front.
    w.activateWindow();
}

void FrmTm::TimKsModel_Timer()
{
    PicUnit->setVisible(run::AnswerMode != 3);
    const bool practice = run::AnswerMode != 3;
    for (int i = 5; i <= 7; ++i)
        CmdGN[i]->setVisible(practice);
    for (int i = 8; i <= 10; ++i)
        CmdGN[i]->setVisible(!practice);
    TimKsModel->stop();
}

void FrmTm::TimerREDO_Timer()
{
    TimerREDO->stop();
    DqExam();
}

void FrmTm::dqYeMian()
{
    const int sum = std::clamp<int>(run::TmSum, 0, run::MaxQuestions);
    if (sum <= 40) {
        CmdSelLast->hide();
        CmdSelNext->hide();
        for (int i = sum + 1; i <= ChooserCells; ++i)
            CmTNO[i]->hide();
    } else {
        CmdSelLast->show();
        CmdSelNext->show();
    }
    YeMianMax = qint16(sum / 40 - (sum % 40 == 0 && sum > 0 ? 1 : 0));
    YeMianNo = std::clamp(YeMianNo, qint16(0), std::max(YeMianMax, qint16(0)));
    int count = ChooserCells;
    if (YeMianNo * 40 + 40 > sum)
        count = sum % 40;
    for (int i = 1; i <= count; ++i) {
        const int n = YeMianNo * 40 + i;
        kvelButton *c = CmTNO[i];
        c->setCaption(QString::number(n));
        const qint16 state = run::TmState[n];
        c->loadPicture(fnd::dataFile(state & 1 ? QStringLiteral("l01031") : QStringLiteral("l01030")));
        if (state & 2)
            c->loadPicture(fnd::dataFile(QStringLiteral("l01032")));
        c->show();
    }
    FrmSelect->show();
    for (int i = count + 1; i <= ChooserCells; ++i)
        CmTNO[i]->hide();
}

void FrmTm::CmTNO_Click(int index)
{
    run::TmNo = qint16(YeMianNo * 40 + index);
    FrmSelect->hide();
    DqExam();
}

void FrmTm::CmdSelLast_Click()
{
    YeMianNo = qint16(std::max(YeMianNo - 1, 0));
    dqYeMian();
}

void FrmTm::CmdSelNext_Click()
{
    YeMianNo = qint16(std::min<int>(YeMianNo + 1, YeMianMax));
    dqYeMian();
}
