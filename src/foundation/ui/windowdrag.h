#pragma once
// Dragging windows that have no title bar: a left press on a drag strip
// (lblMove) or on a background moves the window with the pointer until the
// button is released, as a title-bar drag would.

class QPoint;
class QWidget;

namespace fnd {

// Makes `handle` a drag handle of its top-level window: a left-button press
// on it starts the move; other buttons do nothing. The handle keeps its other
// mouse handling for events it does not take.
void makeDragHandle(QWidget *handle);

// Starts moving the top-level window of `handle`: the window system's own
// move where it offers one, otherwise a move that follows the pointer until
// the left button is released. Call from a left-button press on `handle`,
// with the press's global position.
void beginWindowMove(QWidget *handle, const QPoint &pressGlobal);

} // namespace fnd
