#pragma once
// Window order and placement between the program's own windows: the question
// window stays topmost and docked at the simulated window's bottom-right
// corner. Stands in for the platform's window-position calls.
//
// The topmost band is kept here, not left to a window manager: without one
// (a bare X server) the stays-on-top hint does nothing. Whenever the order
// changes (a window shown, raised or activated, a window brought to the top
// or out of the band) the shown windows of the band are raised again above
// the others, in their own order, and open pop-ups above them. The order this
// layer put the windows in is kept, so where a press lands is known on every
// platform, the offscreen one included.

#include <QList>

class QPoint;
class QWidget;

namespace plat {

// Above every other window, without moving or sizing it. A shown window is
// never hidden or made anew for it: only its native window's state changes.
void makeTopmost(QWidget *w);
// On top of the windows that are not topmost, without moving or sizing it.
void bringToTop(QWidget *w);
// Out of the topmost band, without moving or sizing it. Only the native
// window's state changes (made now for a window not yet shown): the widget's
// flags stay (a flag change would hide and show it again). A window that is
// not in the band is left alone.
void leaveTopmostBand(QWidget *w);
// Whether the window is in the topmost band, as this layer last put it
// (without a window system there is no order to ask).
bool inTopmostBand(const QWidget *w);

// The program's shown windows, bottom to top, as this layer last put them
// (a window it never saw shown lies below the others).
QList<QWidget *> stackingOrder();
// The shown window that takes a press at a point of the screen: the highest
// one there, tooltips aside. nullptr when none.
QWidget *windowAt(const QPoint &global);

// w's right and bottom edges on anchor's right and bottom edges.
void dockAtBottomRight(QWidget *w, const QWidget *anchor);

} // namespace plat
