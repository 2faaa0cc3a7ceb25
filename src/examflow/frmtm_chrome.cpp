// The question window's own chrome (drag, collapsed bar, focus return,
// unload guard), its function buttons and the question picture window.
#include "examflow/frmtm.h"

#include "auxiliary/ime/frmime.h"
#include "examflow/frmczts.h"
#include "examflow/frmend.h"
#include "foundation/globals.h"
#include "foundation/ui/kvelbutton.h"
#include "foundation/ui/windowdrag.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "platform/ui/messagebox.h"
#include "run/records.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/controls.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QCloseEvent>
#include <QPointer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTextEdit>

namespace {

// Runs an action once the left button that began a drag is released.
class AfterRelease : public QObject
{
public:
    AfterRelease(QWidget *handle, std::function<void()> then) : QObject(handle), then_(std::move(then))
    {
        handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *ev) override
    {
        if (ev->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(ev)->button() == Qt::LeftButton) {
            // After the move has taken the release too.
            QTimer::singleShot(0, parent(), then_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

bool FrmTm::queryUnload() const { return run::TmCanUnload; }

void FrmTm::closeEvent(QCloseEvent *e)
{
    // The program unloads the window itself (quit, hand-in, score window);
    // a close from outside would strand the run with its results unmerged.
    e->ignore();
}

void FrmTm::keyReleaseEvent(QKeyEvent *e)
{
    QWidget::keyReleaseEvent(e);
    focusReturn();
}

bool FrmTm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if ((watched == RtbTM->viewport() && t == QEvent::MouseButtonRelease) ||
        ((watched == RtbTM || watched == PicUnit) && t == QEvent::KeyRelease)) {
        focusReturn();
    } else if (watched == LblUnit && (t == QEvent::MouseMove || t == QEvent::MouseButtonRelease)) {
        LblUnit->setToolTip(LblUnit->text());
    } else if (watched == LblIME && t == QEvent::MouseButtonRelease) {
        const auto *e = static_cast<QMouseEvent *>(event);
        // A click: the left button released over the indicator.
        if (e->button() == Qt::LeftButton && LblIME->rect().contains(e->position().toPoint()))
            LblIME_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmTm::dragThen(QWidget *handle, const QPoint &pressGlobal, std::function<void()> then)
{
    new AfterRelease(handle, std::move(then));
    fnd::beginWindowMove(handle, pressGlobal);
}

QPoint FrmTm::pressPoint(QWidget *handle, double x, double y)
{
    return handle->mapToGlobal(QPoint(fnd::xTwipsToPx(x), fnd::yTwipsToPx(y)));
}

void FrmTm::lblMove_MouseDown(int button, double x, double y)
{
    if (button == 1)
        dragThen(lblMove, pressPoint(lblMove, x, y), [this] { focusReturn(); });
    else
        focusReturn();
}

void FrmTm::FrmZXH_MouseDown(QWidget *handle, int button, double x, double y, bool thenFocus)
{
    auto after = [this, thenFocus] {
        setCommand2Border(false);
        if (thenFocus)
            focusReturn();
    };
    if (button == 1)
        dragThen(handle, pressPoint(handle, x, y), after);
}

void FrmTm::setCommand2Border(bool on)
{
    Command2->setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    Command2->setLineWidth(1);
}

void FrmTm::collapse()
{
    const QSize bar = FrmZXH->size();
    resize(bar);
    simwin::syncTwipsFromPixels(this);
    const FrmMain &w = FrmMain::get();
    const QRect m = w.frameGeometry();
    move(m.left(), m.top() + m.height() - bar.height());
    FrmZXH->show();
    FrmZXH->raise();
}

void FrmTm::restore()
{
    focusReturn();
    fullSize(&FrmMain::get());
}

void FrmTm::fullSize(const QWidget *main)
{
    simwin::resizeTwips(this, 4980 * fnd::XBiLi, 3630 * fnd::YBiLi);
    if (main)
        plat::dockAtBottomRight(this, main);
    FrmZXH->hide();
}

void FrmTm::CmdEn_Click()
{
    collapse();
    // Nothing follows: the notice's closing restores this window, and the
    // notice may outlive it (a hand-in unloads the run's windows).
    FrmIME::showModal();
}

void FrmTm::Image2_Click()
{
    FrmPicture &pic = FrmPicture::get();
    if (Image2->caption() == QStringLiteral("显示图片")) {
        pic.show();
        pic.Timer1->start();
        Image2->setCaption(QStringLiteral("隐藏图片"));
    } else {
        pic.hide();
        Image2->setCaption(QStringLiteral("显示图片"));
    }
}

void FrmTm::CmdGN_Click(int index)
{
    const int tm = std::clamp<int>(run::TmNo, 1, run::MaxQuestions);
    // An empty set has no question to move to, redo or mark.
    const bool empty = run::TmSum <= 0;
    switch (index) {
    case 0:
        if (empty)
            return;
        run::TmNo = qint16(std::max(run::TmNo - 1, 1));
        DqExam();
        break;
    case 1:
        if (empty)
            return;
        run::TmNo = qint16(std::min<int>(run::TmNo + 1, run::TmSum));
        DqExam();
        break;
    case 2:
        if (empty)
            return;
        scene::TmStep[tm] = 1;
        DqExam();
        break;
    case 3:
    case 11: {
        if (empty)
            return;
        const bool mark = index == 3;
        if (mark != bool(run::TmState[tm] & 2))
            run::TmState[tm] = qint16(run::TmState[tm] + (mark ? 2 : -2));
        CmdGN[11]->setVisible(mark);
        CmdGN[3]->setVisible(!mark);
        break;
    }
    case 4:
        dqYeMian();
        break;
    case 5:
        QuitLianXi();
        break;
    case 6: {
        run::AnswerMode = 1;
        FrmMain &w = FrmMain::get();
        for (QWidget *c : std::initializer_list<QWidget *>{w.LHelp, w.Shape1, w.Shape4, w.Shape2})
            c->show();
        w.TimerDisFK->start();
        focusReturn();
        break;
    }
    case 7:
        StartYanShi();
        break;
    case 9:
        FrmKSXX->show();
        FrmKSXX->raise();
        break;
    case 8: {
        move(0, 0);
        hide();
        exam::askHandIn();
        break;
    }
    case 10:
        exam::showAnswerPrompt();
        break;
    default:
        break;
    }
}

void FrmTm::showClock()
{
    LblTime->setText(QStringLiteral("剩余%1分钟").arg(run::LeftMinutes));
    // Single precision, from the frame's current width.
    const float share = float(50 - run::LeftMinutes) * float(simwin::twipsWidth(PTime)) / 50.0f;
    simwin::setTwipsWidth(LblTimeJD, share);
}

void FrmTm::TimeKS_Timer()
{
    if (run::PaperType != 0 && run::PaperType != 8) {
        TimeKS->stop();
        return;
    }
    showClock();
    run::LeftMinutes = qint16(run::LeftMinutes - 1);
    if (run::LeftMinutes != 0)
        return;
    // An open show-answer prompt is declined first.
    exam::closeAnswerPrompt();
    const QPointer<FrmTm> self(this);
    plat::MsgBox(QStringLiteral("时间已到，自动交卷！"), 0, fnd::ExamTitle);
    if (!self)
        return;
    TimeKS->stop();
    // A confirmation already open (from the hand-in button) stays the one
    // hand-in; a second would open over it.
    exam::askHandIn();
}

void FrmTm::QuitLianXi()
{
    // 1-2.
    FrmPicture::get().hide();
    Image2->setCaption(QStringLiteral("显示图片"));
    collapse();
    // 3-10. The records, one file at a time; a set-2 review asks whether
    // the questions answered now leave the paper's wrong list.
    bool drop = false;
    if (run::quitAsksToDropCompleted())
        drop = plat::MsgBox(QStringLiteral("本次答对的题目要从“错题复习”中去掉吗？\r\n"
                                           "如果你认为掌握的还不太好，建议你点“否”，把它们保留在错题记录中。"),
                            4 + 32 + 256, fnd::AppTitle) == 6;
    run::mergePracticeQuit(drop); // failures are logged; the quit goes on
    // 11.
    TimeKS->stop();
    TimStartYS->stop();
    TimerREDO->stop();
    run::TmCanUnload = true;
    FrmMain::unload();
    FrmPicture::unload();
    FrmTm::unload();
    // 12-13.
    cover::FhPage = qint16(run::returnPage(run::PaperType));
    FrmFengmian &cover = FrmFengmian::get();
    if (cover::FhPage != 0)
        cover.TimFH->start();
    cover.show();
}

// ---- FrmPicture ---------------------------------------------------------------

FrmPicture::FrmPicture() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FrmPicture"));
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 0, 0));
    setPalette(p);
    setAutoFillBackground(true);
    Image1 = new simwin::PictureBox(this, QStringLiteral("Image1"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FrmPicture::Timer1_Timer);
    connect(Image1, &simwin::PictureBox::mouseDown, this, [this](int, int button, int, double x, double y) {
        if (button == 1)
            fnd::beginWindowMove(Image1, FrmTm::pressPoint(Image1, x, y));
    });
    fnd::makeDragHandle(this);
}

void FrmPicture::formLoad()
{
    simwin::moveTwips(Image1, 60 * fnd::XBiLi, 60 * fnd::YBiLi);
    Timer1->start();
}

void FrmPicture::Timer1_Timer()
{
    Timer1->stop();
    simwin::resizeTwips(this, fnd::xPxToTwips(Image1->width()) + 120 * fnd::XBiLi,
                        fnd::yPxToTwips(Image1->height()) + 120 * fnd::YBiLi);
    plat::makeTopmost(this);
    // Centred exactly, at every scale.
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
}
