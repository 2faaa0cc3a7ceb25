#include "examflow/frmend.h"

#include "auxiliary/ime/frmime.h"
#include "demo/window/frmyanshi.h"
#include "examflow/frmchengji.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/errreport.h"
#include "foundation/picture.h"
#include "foundation/ui/display.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

using simwin::setTwipsRect;

namespace exam {

void runModal(QWidget *w)
{
    QPointer<QWidget> guard(w);
    w->setWindowModality(Qt::ApplicationModal);
    fnd::centreOnScreen(w);
    w->show();
    QEventLoop loop;
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    struct HideWatch : QObject
    {
        QEventLoop *loop;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    } watch;
    watch.loop = &loop;
    w->installEventFilter(&watch);
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watch);
}

} // namespace exam

namespace {

using exam::runModal;

// Back to the exam: the question window docked at the simulated window's
// bottom-right corner and shown. Nothing is restarted.
void backToExam()
{
    FrmTm *tm = FrmTm::loaded();
    if (!tm)
        return;
    plat::dockAtBottomRight(tm, FrmMain::loaded());
    tm->show();
}

// The exam ends: the clock shows the full time, every window of the run goes
// (the picture window, an input-method notice, an open pop-up with them),
// and the score window opens.
void handIn()
{
    run::LeftMinutes = 50;
    if (FrmTm *tm = FrmTm::loaded())
        tm->showClock();
    FrmEnd2::unload();
    // A running demonstration ends with the exam: its end can no longer
    // bring the run's windows back over the score window.
    FrmYanShi::unload();
    run::YanShiRun = false;
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    FrmIME::unload();
    FrmPicture::unload();
    run::TmCanUnload = true;
    FrmTm::unload();
    FrmMain::unload();
    FrmChengji::get().show();
}

} // namespace

HandInBox::HandInBox(const QString &name, const QString &text)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("重要提示"));
    const QColor back(0xEB, 0xE9, 0xD8); // &H00D8E9EB
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    setPalette(pal);
    Frame1 = new QWidget(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(text);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(15);
    f.setBold(true);
    Label1->setFont(f);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label1->setPalette(red);
    Command1 = new kvelButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new kvelButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    // Design places in twips of 15 a pixel.
    setFixedSize(4410 / 15, 2670 / 15);
    setTwipsRect(Frame1, 90, 60, 4215, 1935);
    setTwipsRect(Label1, 150, 240, 3855, 1575);
}

void HandInBox::loadDesign()
{
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    for (auto [b, name] : {std::pair{Command1, "l01041"}, std::pair{Command2, "l01042"}})
        if (!b->loadPicture(fnd::dataFile(QString::fromLatin1(name))))
            fnd::reportMissingFile(objectName().toLower(), QString::fromLatin1(name));
    // Places stay at their design; only the sizes are scaled.
    setTwipsRect(Command1, 600, 2160, 1320 * fnd::XBiLi, 420 * fnd::YBiLi);
    setTwipsRect(Command2, 2400, 2160, 1320 * fnd::XBiLi, 420 * fnd::YBiLi);
}

void HandInBox::closeEvent(QCloseEvent *e) { e->ignore(); }

void HandInBox::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(e);
}

FrmEnd1::FrmEnd1() : HandInBox(QStringLiteral("FrmEnd1"), QStringLiteral("\n您是否确定交卷?"))
{
    connect(Command1, &kvelButton::Click, this, [] {
        FrmEnd1::unload();
        runModal(&FrmEnd2::get());
    });
    connect(Command2, &kvelButton::Click, this, [] {
        FrmEnd1::unload();
        backToExam();
    });
}

QString FrmEnd1::message()
{
    bool warn = false;
    for (int i = 1; i <= 40; ++i) {
        const int s = run::TmState[size_t(i)];
        warn = warn || s % 2 == 0 || s == 3 || s == 7;
    }
    return warn ? QStringLiteral("您还有题目未做或仍处于标识状态！\n\n您是否确定交卷?")
                : QStringLiteral("\n您是否确定交卷?");
}

void FrmEnd1::formLoad()
{
    loadDesign();
    Label1->setText(message());
}

FrmEnd2::FrmEnd2()
    : HandInBox(QStringLiteral("FrmEnd2"), QStringLiteral("按“交卷”后您将退出本场考试，并且不能重新登录!\n\n是否确定交卷?"))
{
    connect(Command1, &kvelButton::Click, this, &handIn);
    connect(Command2, &kvelButton::Click, this, [] {
        FrmEnd2::unload();
        backToExam();
    });
}

void FrmEnd2::formLoad() { loadDesign(); }

namespace exam {

bool handInOpen() { return FrmEnd1::loaded() || FrmEnd2::loaded(); }

void askHandIn()
{
    if (handInOpen())
        return;
    runModal(&FrmEnd1::get());
}

} // namespace exam
