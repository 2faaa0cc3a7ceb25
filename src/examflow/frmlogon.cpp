#include "examflow/frmlogon.h"

#include "cover/frmfengmian.h"
#include "examflow/examstate.h"
#include "examflow/frmtm.h"
#include "foundation/errreport.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "run/compose.h"
#include "platform/ui/messagebox.h"
#include "run/runstate.h"
#include "simwin/window/controls.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

using simwin::setTwipsRect;
using simwin::twipsLeft;
using simwin::twipsWidth;

namespace {

QFont pageFont()
{
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(12);
    f.setBold(true);
    return f;
}

simwin::PictureBox *page(QWidget *parent, const char *name)
{
    auto *p = new simwin::PictureBox(parent, QString::fromLatin1(name));
    p->setAutoSize(false);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, QColor(0xF6, 0xF9, 0xFE)); // &H00FEF9F6
    p->setPalette(pal);
    setTwipsRect(p, 0, 0, 12000, 9000);
    return p;
}

QLabel *label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText); // names and titles from the records, as written
    l->setFont(pageFont());
    return l;
}

// The last n characters of text (all of it when shorter).
QString lastChars(const QString &text, int n) { return text.right(n); }

} // namespace

FrmLogon::FrmLogon() : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmLogon"));
    setWindowTitle(fnd::AppTitle);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(64, 128, 128)); // &H00808040
    setPalette(pal);

    Picture1 = page(this, "Picture1");
    TxtZwh = new QLineEdit(QStringLiteral("18"), Picture1);
    TxtZwh->setObjectName(QStringLiteral("TxtZwh"));
    TxtZwh->setMaxLength(3);
    TxtSFZ = new QLineEdit(SampleIdCard, Picture1);
    TxtSFZ->setObjectName(QStringLiteral("TxtSFZ"));
    TxtSFZ->setMaxLength(18);
    for (QLineEdit *t : {TxtZwh, TxtSFZ}) {
        t->setFont(pageFont());
        t->setFrame(false);
    }
    setTabOrder(TxtZwh, TxtSFZ);
    TxtSFZ->installEventFilter(this);
    CmdLog = new simwin::HotSpot(Picture1, QStringLiteral("CmdLog"));
    CmdExit = new simwin::HotSpot(Picture1, QStringLiteral("CmdExit"));
    for (simwin::HotSpot *h : {CmdLog, CmdExit})
        h->setCursor(Qt::PointingHandCursor);
    connect(CmdLog, &simwin::HotSpot::clicked, this, &FrmLogon::CmdLog_Click);
    connect(CmdExit, &simwin::HotSpot::clicked, this, &FrmLogon::CmdExit_Click);

    Picture2 = page(this, "Picture2");
    LblName = label(Picture2, "LblName");
    LblZwh = label(Picture2, "LblZwh");
    LblCC = label(Picture2, "LblCC");
    LblKm = label(Picture2, "LblKm");
    LblSfz = label(Picture2, "LblSfz");
    LblDah = label(Picture2, "LblDah");
    LblDate = label(Picture2, "LblDate");
    P2 = new QWidget(Picture2);
    P2->setObjectName(QStringLiteral("P2"));
    LJD = new QLabel(P2);
    LJD->setObjectName(QStringLiteral("LJD"));
    LJD->setAutoFillBackground(true);
    QPalette blue = LJD->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255)); // &H00FF0000
    LJD->setPalette(blue);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FrmLogon::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &FrmLogon::Timer2_Timer);
}

void FrmLogon::formLoad()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    // 1. Icon, layout, page pictures. Sizes not given keep their design.
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    setTwipsRect(TxtZwh, 5070 * XBiLi, 4440 * YBiLi, 1500, 360);
    setTwipsRect(TxtSFZ, twipsLeft(TxtZwh), 4905 * YBiLi, 3300, 360);
    setTwipsRect(CmdLog, 4275 * XBiLi, 5640 * YBiLi, 1335, 495);
    setTwipsRect(CmdExit, 6660 * XBiLi, 5640 * YBiLi, 1335, 495);
    const struct
    {
        QLabel *label;
        double left, top;
    } rows[] = {{LblName, 4080, 2610}, {LblZwh, 4080, 2940}, {LblCC, 4080, 3300}, {LblKm, 2505, 4215},
                {LblSfz, 2505, 4590},  {LblDah, 2505, 4950}, {LblDate, 2505, 5250}};
    for (const auto &r : rows)
        simwin::moveTwips(r.label, r.left * XBiLi, r.top * YBiLi);
    setTwipsRect(P2, 1110 * XBiLi, 7980 * YBiLi, 10335 * XBiLi, 180);
    setTwipsRect(LJD, 0, 0, 255, 375);
    for (auto [box, name] : {std::pair{Picture1, "9l0056"}, std::pair{Picture2, "9l0057"}})
        if (!box->loadPicture(fnd::dataFile(QString::fromLatin1(name))))
            fnd::reportMissingFile(QStringLiteral("frmlogon"), QString::fromLatin1(name));
    // 2-4. The run's files.
    run::nameRunFiles();
    setWindowState(Qt::WindowMaximized);
    Picture1->hide();
    Picture2->hide();
    Timer1->start();
}

void FrmLogon::Timer1_Timer()
{
    Picture1->move(0, 0);
    Picture2->move(0, 0);
    Picture1->show();
    Picture2->hide();
    Timer1->stop();
}

bool FrmLogon::eventFilter(QObject *watched, QEvent *event)
{
    // The identity box takes digits and backspace, and an X (either case)
    // only as its 18th character; every other character is dropped.
    if (watched == TxtSFZ && event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        const QString t = k->text();
        if (t.size() == 1) {
            const QChar c = t.at(0);
            const bool digit = c >= u'0' && c <= u'9';
            const bool back = c == u'\b';
            const bool x = (c == u'X' || c == u'x') && TxtSFZ->text().size() >= 17;
            if (!digit && !back && !x)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmLogon::CmdLog_Click()
{
    run::TmCanUnload = false;
    exam::CandSeat = lastChars(QStringLiteral("00") + TxtZwh->text().trimmed(), 2);
    exam::CandSession = QStringLiteral("18");
    exam::CandIdCard = lastChars(DefaultIdCard + TxtSFZ->text().trimmed(), 18);
    exam::CandArchive = QStringLiteral("888888");
    LblName->setText(fnd::CandName);
    LblZwh->setText(exam::CandSeat);
    LblCC->setText(exam::CandSession);
    LblKm->setText(fnd::ExamTitle);
    LblSfz->setText(exam::CandIdCard);
    LblDah->setText(exam::CandArchive);
    LblDate->setText(QDate::currentDate().toString(QStringLiteral("yyyy年MM月dd日")));
    for (QLabel *l : {LblName, LblZwh, LblCC, LblKm, LblSfz, LblDah, LblDate})
        l->adjustSize();
    Picture1->hide();
    Picture2->show();
    Timer2->start();
}

void FrmLogon::Timer2_Timer()
{
    simwin::setTwipsWidth(LJD, twipsWidth(LJD) + 1500 * fnd::XBiLi);
    if (!(twipsWidth(LJD) > twipsWidth(P2)))
        return;
    FrmLogon::unload();
    run::ExamStart = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    run::TmNo = 1;
    FrmTm::get().TimerREDO->start();
    FrmMain::get().show();
    FrmTm::get().show();
}

void FrmLogon::CmdExit_Click()
{
    const int answer = plat::MsgBox(QStringLiteral("确实要退出考试系统吗？"), 4 + 32 + 256,
                                    fnd::InfoTable[0] + QStringLiteral("Quillet"));
    if (answer != 6)
        return;
    FrmLogon::unload();
    FrmFengmian::get().show();
}
