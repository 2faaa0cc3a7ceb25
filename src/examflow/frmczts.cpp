#include "examflow/frmczts.h"

#include "examflow/frmend.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/infocode.h"
#include "foundation/picture.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/messagebox.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

using simwin::setTwipsRect;

namespace {
QLabel *noteLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(12);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}
} // namespace

FrmCZTS::FrmCZTS()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint
                           | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmCZTS"));
    setFixedSize(4815 / 15, 5130 / 15);
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    for (auto [f, colour] : {std::pair{Shape1, QColor(128, 128, 128)}, std::pair{Shape2, QColor(255, 255, 255)}}) {
        f->setStyleSheet(QStringLiteral("border: 1px solid %1;").arg(colour.name()));
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    setTwipsRect(Shape1, 60, 60, 4695, 5010);
    setTwipsRect(Shape2, 75, 75, 4695, 5010);
    Label3 = noteLabel(this, "Label3", QStringLiteral("请注意!!!"), QColor(0, 0, 255));
    Label2 = noteLabel(this, "Label2", Note, QColor(255, 0, 0));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    simwin::moveTwips(Label3, 240, 360);
    Label3->adjustSize();
    setTwipsRect(Label2, 240, 840, 4380, 3540);
    for (QLabel *l : {Label2, Label3})
        l->installEventFilter(this);
    Command1 = new kvelButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new kvelButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &kvelButton::Click, this, [] { FrmCZTS::unload(); });
    connect(Command2, &kvelButton::Click, this, &FrmCZTS::Command2_Click);
}

void FrmCZTS::formLoad()
{
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    setWindowTitle(fnd::appTitleOf(fnd::InfoTable, fnd::ExamTitle));
    setTwipsRect(Command1, 360, 4440, 1920 * fnd::XBiLi, 450 * fnd::YBiLi);
    setTwipsRect(Command2, 2520, 4440, 1920 * fnd::XBiLi, 450 * fnd::YBiLi);
    Command1->loadPicture(fnd::dataFile(QStringLiteral("l01038")));
    Command2->loadPicture(fnd::dataFile(QStringLiteral("l01039")));
}

void FrmCZTS::mouseReleaseEvent(QMouseEvent *) { FrmCZTS::unload(); }

bool FrmCZTS::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Label2 || watched == Label3) && event->type() == QEvent::MouseButtonRelease) {
        FrmCZTS::unload();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmCZTS::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        FrmCZTS::unload();
    else
        QWidget::keyPressEvent(e);
}

void FrmCZTS::Command2_Click()
{
    const QPointer<FrmCZTS> self(this);
    const int answer = plat::MsgBox(QStringLiteral("立即看答案将不能测试您的实际水平，如果你坚持现在看答案，成绩将不记入本次练习记录！\r\n"
                                                   "您现在就要看答案吗？"),
                                    4, QStringLiteral("不建议您立即看答案"));
    // The exam may have been handed in (or the prompt closed) meanwhile.
    FrmTm *tm = FrmTm::loaded();
    if (answer != 6 || !self || !self->isVisible() || !tm)
        return;
    run::AnswerMode = 2;
    tm->CmdGN[3]->loadPicture(fnd::dataFile(QStringLiteral("l01003")));
    tm->CmdGN[11]->loadPicture(fnd::dataFile(QStringLiteral("l01011")));
    tm->PicUnit->show();
    for (int i = 5; i <= 7; ++i)
        tm->CmdGN[size_t(i)]->show();
    for (int i = 8; i <= 10; ++i)
        tm->CmdGN[size_t(i)]->hide();
    run::TmCanUnload = false;
    run::ExamStart = QStringLiteral("-1");
    FrmCZTS::unload();
    if (FrmMain *w = FrmMain::loaded())
        w->show();
    run::YanShiRun = true;
    scene::StepNo = 1;
    tm->TimStartYS->start();
    tm->TimKsModel->start();
}

namespace exam {

void showAnswerPrompt()
{
    FrmPicture::get().hide();
    if (FrmTm *tm = FrmTm::loaded())
        tm->Image2->setCaption(QStringLiteral("显示图片"));
    runModal(&FrmCZTS::get());
}

void closeAnswerPrompt()
{
    FrmCZTS *prompt = FrmCZTS::loaded();
    if (!prompt)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        if (QAbstractButton *no = box->button(QMessageBox::No))
            no->click();
    FrmCZTS::unload();
}

} // namespace exam
