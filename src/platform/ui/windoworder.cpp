#include "platform/ui/windoworder.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace plat {

namespace {
// Without a window system (the offscreen platform) there is no order to keep.
bool hasWindowOrder() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

// The band a window was put in, kept on the window itself. Every scene puts
// the question window in its band again: only a change is written (a write
// sends the window an event).
constexpr char BandProperty[] = "plat.topmostBand";
void recordBand(QWidget *w, bool topmost)
{
    if (const QVariant band = w->property(BandProperty); !band.isValid() || band.toBool() != topmost)
        w->setProperty(BandProperty, topmost);
}
} // namespace

bool inTopmostBand(const QWidget *w)
{
    if (!w)
        return false;
    const QVariant band = w->property(BandProperty);
    return band.isValid() ? band.toBool() : bool(w->windowFlags() & Qt::WindowStaysOnTopHint);
}

// Only the native window's state changes: a widget's flag change would hide
// the window and make it anew. A window not yet made gets its native window
// now, which keeps the state until it is shown.
void leaveTopmostBand(QWidget *w)
{
    if (!w || !inTopmostBand(w))
        return;
    recordBand(w, false);
    if (!(w->windowFlags() & Qt::WindowStaysOnTopHint))
        return;
    w->winId();
    if (QWindow *native = w->windowHandle())
        native->setFlag(Qt::WindowStaysOnTopHint, false);
}

void makeTopmost(QWidget *w)
{
    if (!w)
        return;
    recordBand(w, true);
    if (!(w->windowFlags() & Qt::WindowStaysOnTopHint) && !w->isVisible()) {
        // Not shown: the flag goes with nothing to hide.
        w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    } else if (QWindow *native = w->windowHandle(); native && !(native->flags() & Qt::WindowStaysOnTopHint)) {
        native->setFlag(Qt::WindowStaysOnTopHint, true); // left the band while shown
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
