#include "foundation/ui/frmstart.h"

#include "foundation/errreport.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/singleinstance.h"
#include "foundation/startup.h"
#include "foundation/ui/display.h"
#include "foundation/ui/paintlog.h"
#include "platform/osversion.h"
#include "platform/ui/messagebox.h"

#include <QDateTime>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <utility>

namespace {

const QString kTag = QStringLiteral("startload");

FrmStart::Wiring &wiring()
{
    static FrmStart::Wiring w;
    return w;
}

// A picture of the data folder for the load; a missing or unreadable file is
// reported as the load's failure and gives nothing.
std::optional<QPixmap> loadPicture(const QString &name) { return fnd::loadDataPicture(name, kTag); }

} // namespace

void FrmStart::wire(Wiring w) { wiring() = std::move(w); }

FrmStart::FrmStart() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmStart"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setMargin(0);
    Label1->setIndent(0);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    QPalette p = Label1->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(p);
    Label1->setFont(QFont(QStringLiteral("宋体")));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &FrmStart::Timer1_Timer);
}

void FrmStart::formLoad()
{
    using fnd::xPx;
    using fnd::yPx;
    if (!fnd::acquireSingleInstance()) {
        plat::MsgBox(QStringLiteral("考试练习系统已在运行。如果你没有找到，请关闭其它窗口和程序，或者注销或重启。"), 64,
                     QStringLiteral("系统提示"));
        fnd::endProgram();
        return;
    }
    fnd::readInfo();
    // A worker decodes the splash picture while the fonts are read here,
    // then the pictures of what follows while the splash waits.
    const QString splash = QStringLiteral("l20059");
    fnd::decodeAhead(QStringList{fnd::dataFile(splash)}
                         + (wiring().picturesToCome ? wiring().picturesToCome() : QStringList()),
                     fnd::AheadShare::Whole);
    fnd::installFontSubstitutions();
    fnd::setScaleFromScreen();
    setFixedSize(xPx(6000), yPx(3000));
    if (auto pm = loadPicture(splash))
        background_ = *pm;
    Label1->move(Label1->x(), yPx(2160));
    Label1->setText(QStringLiteral("正在启动") + fnd::ModuleName + QStringLiteral("，请稍候..."));
    QFont f = Label1->font();
    f.setPointSizeF(11 * fnd::XBiLi);
    Label1->setFont(f);
    // The label has taken the size of its new text: centre it across.
    Label1->adjustSize();
    const double freeTw = fnd::xTw(6000) - Label1->width() * 15.0 * fnd::XBiLi;
    Label1->move(fnd::xTwipsToPx(freeTw / 2), Label1->y());
    if (wiring().atLoad)
        wiring().atLoad();
    fnd::CandName = fnd::InfoTable[8];
    if (auto icon = loadPicture(QStringLiteral("l62011")))
        setWindowIcon(QIcon(*icon));
    setWindowTitle(QStringLiteral("Marrowby考试练习系统"));
    fnd::OsVer = GetOSVersionOF();
    StartPending = true;
    Timer1->start();
}

void FrmStart::Timer1_Timer()
{
    if (!StartPending)
        return;
    StartPending = false;
    Timer1->stop();
    UpdataExe();
}

void FrmStart::UpdataExe()
{
    // The cover's load runs here and may end the program.
    if (wiring().handOver)
        wiring().handOver();
    fnd::ErrLogFile = fnd::programFolder() + QStringLiteral("/ksdata/")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")) + QStringLiteral(".txt");
    unload();
}

QString FrmStart::GetOSVersionOF()
{
    if (auto v = plat::osVersion())
        return QStringLiteral("%1.%2").arg(v->first).arg(v->second);
    return QStringLiteral("Unknown");
}

void FrmStart::paintEvent(QPaintEvent *)
{
    // Drawn from the top-left corner, not stretched.
    if (!background_.isNull())
        QPainter(this).drawPixmap(0, 0, background_);
    fnd::notePaint("FrmStart");
    if (!std::exchange(painted_, true) && StartPending && wiring().whileWaiting)
        QTimer::singleShot(0, this, [this] {
            if (StartPending)
                wiring().whileWaiting();
        });
}
