// The demonstration window: its controls, its load and its end.
#include "demo/window/frmyanshi.h"

#include "examflow/frmtm.h"
#include "foundation/blanks.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

using fnd::XBiLi;
using fnd::YBiLi;

FrmYanShi::FrmYanShi() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmYanShi"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, FrmMain::BackColor);
    setPalette(pal);
    setAutoFillBackground(true);

    ImgLogo = new QLabel(this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setWordWrap(true);
    ImgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImgLogo->setAutoFillBackground(true);
    {
        QPalette p = ImgLogo->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
        ImgLogo->setPalette(p);
    }
    ImgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

    TimEnd = new QTimer(this);
    TimEnd->setObjectName(QStringLiteral("TimEnd"));
    TimEnd->setInterval(100);
    connect(TimEnd, &QTimer::timeout, this, &FrmYanShi::TimEnd_Timer);
}

void FrmYanShi::formLoad()
{
    // Each step goes on whatever the one before it did.
    QPixmap icon;
    if (fnd::loadPictureInto(icon, fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(icon);
    run::AnswerMode = 1;
    TickCount = 0;
    simwin::setTwipsRect(this, 0, 0, 12000 * XBiLi, 9000 * YBiLi);
    // The note: the question's text over the scene, one 180-twip line per 14
    // characters.
    {
        QFont f = ImgLogo->font();
        f.setPointSizeF(9 * XBiLi);
        ImgLogo->setFont(f);
        const QString note = FrmTm::loaded() ? fnd::trimBlanks(FrmTm::loaded()->RtbTM->toPlainText()) : QString();
        ImgLogo->setText(note);
        const double h = 180.0 * (note.size() / 14 + 1) + 15;
        simwin::setTwipsRect(ImgLogo, 9420 * XBiLi, 7620 * YBiLi, 2535 * XBiLi, h * YBiLi);
    }
    plat::makeTopmost(this);
    // Over the simulated window while it has its normal size; centred
    // otherwise.
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
    if (const FrmMain *w = FrmMain::loaded(); w && w->windowState() == Qt::WindowNoState)
        move(w->pos());
    // The replay comes later: the demonstration ends by itself after a moment.
    TimEnd->start();
}

void FrmYanShi::TimEnd_Timer()
{
    if (++TickCount < 4)
        return;
    TickCount = 0;
    run::YanShiRun = false;
    TimEnd->stop();
    unload();
    // The run's windows come back unless the run ended meanwhile.
    if (FrmMain *w = FrmMain::loaded())
        w->show();
    if (FrmTm *tm = FrmTm::loaded()) {
        tm->TimerREDO->start();
        tm->show();
    }
}
