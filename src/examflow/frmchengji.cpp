#include "examflow/frmchengji.h"

#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "examflow/frmtm.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/infocode.h"
#include "foundation/picture.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "bank/bankfiles.h"
#include "platform/ui/windoworder.h"
#include "run/compose.h"
#include "run/records.h"
#include "run/runstate.h"
#include "run/tmrecord.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/controls.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

using simwin::setTwipsRect;
using simwin::twipsHeight;
using simwin::twipsLeft;
using simwin::twipsTop;
using simwin::twipsWidth;

namespace {

QFont boldSong(double points)
{
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

// The run windows of a review: the practice buttons, FrmMain then FrmTm
// shown (both load anew), the unfinished list cleared, question 1 reloaded,
// docked, and no exam clock.
void showReviewWindows()
{
    FrmTm &tm = FrmTm::get();
    tm.TimKsModel->start();
    FrmMain &w = FrmMain::get();
    w.show();
    tm.show();
    tm.LblUnit->setText(QString());
    tm.TimerREDO->start();
    plat::dockAtBottomRight(&tm, &w);
    tm.TimeKS->stop();
}

} // namespace

FrmChengji::FrmChengji() : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmChengji"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 249, 254)); // &H00FEF9F6
    setPalette(pal);
    Picture1 = new simwin::PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setAutoSize(false);
    setTwipsRect(Picture1, 0, 0, 12000, 9000);
    const auto button = [this](const char *name) {
        auto *b = new kvelButton(Picture1);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    Command3 = button("Command3");
    Command1 = button("Command1");
    Command2 = button("Command2");
    Label1 = new QLabel(Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(QStringLiteral("得分：0分"));
    Label1->setFont(boldSong(12));
    Frame1 = new QWidget(Picture1);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    for (int i = 1; i <= Questions; ++i) {
        auto *b = new kvelButton(Frame1);
        b->setObjectName(QStringLiteral("CmTNO_%1").arg(i));
        CmTNO[size_t(i)] = b;
        connect(b, &kvelButton::Click, this, [this, i] {
            LblTiMuYQ->setText(QStringLiteral("第%1题： ").arg(i) + TmText[size_t(i)]);
        });
    }
    LblTiMuYQ = new QLabel(Picture1);
    LblTiMuYQ->setObjectName(QStringLiteral("LblTiMuYQ"));
    LblTiMuYQ->setTextFormat(Qt::PlainText); // the question file's text, as written
    LblTiMuYQ->setWordWrap(true);
    LblTiMuYQ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Picture1->move((width() - Picture1->width()) / 2, (height() - Picture1->height()) / 2);
    });
    connect(Command1, &kvelButton::Click, this, &FrmChengji::Command1_Click);
    connect(Command2, &kvelButton::Click, this, &FrmChengji::Command2_Click);
    connect(Command3, &kvelButton::Click, this, &FrmChengji::Command3_Click);
}

void FrmChengji::formLoad()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    // 1.
    run::TmCanUnload = true;
    FrmMain::unload();
    FrmTm::unload();
    // 2, 3.
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    setWindowTitle(fnd::appTitleOf(fnd::InfoTable, fnd::ExamTitle));
    Command3->show();
    if (!Picture1->loadPicture(fnd::dataFile(QStringLiteral("9l0058"))))
        fnd::reportMissingFile(QStringLiteral("frmchengji"), QStringLiteral("9l0058"));
    setTwipsRect(Command3, 3480 * XBiLi, 4080 * YBiLi, 1920 * XBiLi, 450 * YBiLi);
    setTwipsRect(Command1, twipsLeft(Command3) + twipsWidth(Command3) + 120 * XBiLi, 4080 * YBiLi, 1920 * XBiLi, 450 * YBiLi);
    setTwipsRect(Command2, twipsLeft(Command1) + twipsWidth(Command1) + 120 * XBiLi, 4080 * YBiLi, 870 * XBiLi, 450 * YBiLi);
    for (auto [b, name] : {std::pair{Command3, "l01036"}, std::pair{Command1, "l01035"}, std::pair{Command2, "l01037"}})
        b->loadPicture(fnd::dataFile(QString::fromLatin1(name)));
    simwin::moveTwips(Label1, 5010 * XBiLi, 5040 * YBiLi);
    // 4-10, 12-14: the scoring and the records.
    const run::ExamScore score = run::recordScoredExam(QDateTime::currentDateTime());
    for (int i = 1; i <= Questions; ++i) {
        kvelButton *b = CmTNO[size_t(i)];
        setTwipsRect(b, ((i - 1) % 10) * 480 * XBiLi, ((i - 1) / 10) * 480 * YBiLi, 450 * XBiLi, 450 * YBiLi);
        b->loadPicture(fnd::dataFile(score.completed[size_t(i)] ? QStringLiteral("l01033") : QStringLiteral("l01034")));
        b->setCaption(QString::number(i));
        b->setFontBold(true);
        b->setForeColor(QColor(0, 0, 0));
    }
    // 11.
    const double frameW = twipsLeft(CmTNO[Questions]) + twipsWidth(CmTNO[Questions]);
    const double frameH = twipsTop(CmTNO[Questions]) + twipsHeight(CmTNO[Questions]);
    setTwipsRect(Frame1, (twipsWidth(Picture1) - frameW) / 2, 5520 * YBiLi, frameW, frameH);
    setTwipsRect(LblTiMuYQ, (twipsWidth(Picture1) - 9855 * XBiLi) / 2, twipsTop(Frame1) + frameH + 360 * YBiLi,
                 9855 * XBiLi, 855 * YBiLi);
    Frame1->setEnabled(true);
    // The review of wrong questions needs a list this exam wrote: none when
    // every question was completed, an older exam's when the write failed.
    const QString wrongFile = bank::ShiJuanCuoTiFile(run::RecNo);
    Command3->setEnabled(!score.writes.failed.contains(wrongFile) && !run::readRecordLine(wrongFile).isEmpty());
    // 12.
    Label1->setText(score.caption);
    Label1->adjustSize();
    // 15. Question texts, "|" kept.
    const QStringList lines = fnd::readLines(run::TmFile).value_or(QStringList());
    for (int i = 1; i <= Questions; ++i)
        TmText[size_t(i)] = i <= lines.size() ? run::tmDisplay(lines[i - 1], true).text : QString();
    setWindowState(Qt::WindowMaximized);
    Timer1->start();
}

void FrmChengji::Command1_Click()
{
    run::AnswerMode = 2;
    run::TmCanUnload = false;
    run::TmNo = 1;
    for (int i = 1; i <= Questions; ++i)
        run::TmDone[size_t(i)] = QStringLiteral("F");
    scene::StepNo = 1;
    FrmChengji::unload();
    showReviewWindows();
}

void FrmChengji::Command2_Click()
{
    FrmMain::unload();
    FrmChengji::unload();
    cover::FhPage = 17;
    FrmFengmian &cover = FrmFengmian::get();
    cover.TimFH->start();
    cover.show();
}

void FrmChengji::Command3_Click()
{
    run::AnswerMode = 2;
    InitShiTi();
}

void FrmChengji::InitShiTi()
{
    // 1-7: the review set; nothing starts when it cannot be composed.
    switch (run::composeExamReviewSet()) {
    case run::ReviewSet::Composed:
        break;
    case run::ReviewSet::Empty:
        // The list went after the window showed: nothing to review, refused
        // as the button is when the exam wrote no list. The window stays.
        Command3->setEnabled(false);
        return;
    case run::ReviewSet::Failed:
        // The score window stays, its buttons working.
        fnd::trapError(QStringLiteral("initshiti"), 53, QStringLiteral("the review set could not be composed"));
        FrmKVMSGBOX::ask(fnd::AppTitle, QStringLiteral("l20071"), QStringLiteral("题库文件不全，无法开始错题复习。"));
        return;
    }
    run::presetMarkedBits();
    scene::StepNo = 1;
    run::TmCanUnload = false;
    // 8. The chooser's cells above TmSum hidden.
    FrmTm &tm = FrmTm::get();
    for (int i = 1; i <= FrmTm::ChooserCells; ++i)
        tm.CmTNO[size_t(i)]->setVisible(i <= run::TmSum);
    // 9.
    FrmChengji::unload();
    showReviewWindows();
}
