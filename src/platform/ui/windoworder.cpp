#include "platform/ui/windoworder.h"

#include <QApplication>
#include <QPointer>
#include <QScopedValueRollback>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <vector>

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

// Menus and tooltips open above everything and close by themselves.
bool isPopup(const QWidget *w) { return w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip; }

// The windows in the order this layer put them, bottom to top, hidden ones
// included (a window shown again is raised anew). It follows every show and
// raise of a window, the program's own or not, through an event filter on
// the application.
class Stack : public QObject
{
public:
    static Stack &get()
    {
        static Stack s;
        return s;
    }

    const std::vector<QPointer<QWidget>> &order() const { return order_; }

    // w on top, here and on the screen.
    void raise(QWidget *w)
    {
        onTop(w);
        if (hasWindowOrder() && w->testAttribute(Qt::WA_WState_Created)) {
            QScopedValueRollback busy(busy_, true); // its own raise is no news
            w->raise();
        }
    }

    // The band's shown windows above the others, in their order (when
    // bandToo), then the open modal windows, which answer before anything
    // else can be used (a scene built while a confirmation is open must not
    // cover it), then the open pop-ups.
    void raiseBand(bool bandToo)
    {
        QList<QWidget *> band, modals, popups;
        for (const QPointer<QWidget> &w : order_) {
            if (!w || !w->isVisible())
                continue;
            if (isPopup(w))
                popups << w;
            else if (w->isModal())
                modals << w;
            else if (bandToo && inTopmostBand(w))
                band << w;
        }
        for (QWidget *w : band + modals + popups)
            raise(w);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        const QEvent::Type t = e->type();
        if ((t != QEvent::Show && t != QEvent::ZOrderChange && t != QEvent::WindowActivate) || busy_ ||
            !o->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(o);
        if (!w->isWindow())
            return false;
        // A window shown comes to the front, as a window manager would put
        // it; one raised is there already.
        if (t == QEvent::Show)
            raise(w);
        else if (t == QEvent::ZOrderChange)
            onTop(w);
        raiseBand(!inTopmostBand(w) && !isPopup(w));
        return false;
    }

private:
    Stack()
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(this);
    }

    void onTop(QWidget *w)
    {
        std::erase_if(order_, [w](const QPointer<QWidget> &p) { return !p || p == w; });
        order_.emplace_back(w);
    }

    std::vector<QPointer<QWidget>> order_;
    bool busy_ = false;
};

// The filter is in place before the first window shows.
void watchWindowOrder() { Stack::get(); }
Q_COREAPP_STARTUP_FUNCTION(watchWindowOrder)
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
    if (w->windowFlags() & Qt::WindowStaysOnTopHint) {
        w->winId();
        if (QWindow *native = w->windowHandle())
            native->setFlag(Qt::WindowStaysOnTopHint, false);
    }
    // Below the band, above the rest.
    if (w->isVisible())
        Stack::get().raiseBand(true);
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
    if (w->isVisible()) {
        Stack::get().raise(w);
        Stack::get().raiseBand(false);
    }
}

void bringToTop(QWidget *w)
{
    if (!w || !w->isVisible())
        return;
    Stack::get().raise(w);
    Stack::get().raiseBand(!inTopmostBand(w));
}

QList<QWidget *> stackingOrder()
{
    const auto &order = Stack::get().order();
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && std::find(order.begin(), order.end(), w) == order.end())
            shown << w;
    for (const QPointer<QWidget> &w : order)
        if (w && w->isVisible() && w->isWindow())
            shown << w;
    return shown;
}

QWidget *windowAt(const QPoint &global)
{
    const QList<QWidget *> order = stackingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->windowType() != Qt::ToolTip && (*it)->frameGeometry().contains(global))
            return *it;
    return nullptr;
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
