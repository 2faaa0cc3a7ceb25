#include "platform/ui/windoworder.h"

#include <QApplication>
#include <QWidget>

namespace plat {

namespace {
// Without a window system (the offscreen platform) there is no order to keep.
bool hasWindowOrder() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }
} // namespace

void makeTopmost(QWidget *w)
{
    if (!w)
        return;
    if (!(w->windowFlags() & Qt::WindowStaysOnTopHint)) {
        const bool shown = w->isVisible();
        w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (shown)
            w->show(); // changing the flags hides the window
    }
    if (w->isVisible() && hasWindowOrder())
        w->raise();
}

void bringToTop(QWidget *w)
{
    if (w && w->isVisible() && hasWindowOrder())
        w->raise();
}

void dockAtBottomRight(QWidget *w, const QWidget *anchor)
{
    if (!w || !anchor)
        return;
    const QRect a = anchor->frameGeometry();
    const QRect f = w->frameGeometry();
    w->move(a.x() + a.width() - f.width(), a.y() + a.height() - f.height());
}

} // namespace plat
