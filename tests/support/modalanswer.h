#pragma once
// Answering the program's modal windows in tests: arm before the modal call;
// as soon as the window is on screen the action runs on it (typically a real
// mouse click on one of its buttons).

#include <QWidget>
#include <Qt>
#include <functional>

namespace ts {

// Runs act(window) once window() gives a visible window, polling every
// 10 ms. Gives up after 5 seconds (act does not run).
void actWhenShown(std::function<QWidget *()> window, std::function<void(QWidget *)> act);

// The same for one of the program's windows T (a Form<T>).
template <class T>
void whenShown(std::function<void(T &)> act)
{
    actWhenShown([] { return static_cast<QWidget *>(T::loaded()); },
                 [act](QWidget *w) { act(*static_cast<T *>(w)); });
}

// Clicks LblClick_<index> of FrmKVMSGBOX (1 confirm, 0 dismiss, 3 close) with
// `button` once the box is visible. Gives up after 5 seconds.
void answerMessageBoxLater(int index, Qt::MouseButton button = Qt::LeftButton);

} // namespace ts
