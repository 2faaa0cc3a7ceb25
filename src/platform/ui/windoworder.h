#pragma once
// Window order and placement between the program's own windows: the question
// window stays topmost and docked at the simulated window's bottom-right
// corner. Stands in for the platform's window-position calls.

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

// w's right and bottom edges on anchor's right and bottom edges.
void dockAtBottomRight(QWidget *w, const QWidget *anchor);

} // namespace plat
