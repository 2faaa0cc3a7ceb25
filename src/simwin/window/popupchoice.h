#pragma once
// How a choice is made in the simulated window's right-click pop-up.
//
// The pop-up is a real QMenu shown at the pointer; its modal loop cannot be
// driven by test events. This is the one place where that loop can be
// answered in its stead: with a chooser set, opening the pop-up calls the
// chooser instead of QMenu::exec, and the action it returns is triggered as a
// user's choice would be (nullptr: the pop-up was dismissed). Tests set a
// chooser for the openings they provoke; the probe sets one that takes a
// queued choice or asks its driver while the pop-up is open.
//
// Slots are named by their item array and index, as the window names them:
// "sKvelInde1" slot 3 is the action "sKvelInde1_3".

#include <QPoint>
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace simwin {

// Gets the filled pop-up and the global point where it shows; returns the
// chosen action, or nullptr for a dismissed pop-up.
using PopupChooser = std::function<QAction *(QMenu &menu, QPoint at)>;

// Installs a chooser (an empty one restores the real modal loop); returns
// the one it replaces.
PopupChooser setPopupChooser(PopupChooser chooser);
bool hasPopupChooser();

// Shows the pop-up at `at` and returns once an item was chosen or the pop-up
// dismissed: the chosen action (already triggered), or nullptr. A chooser's
// answer that the user could not choose (hidden, a separator, inside a
// hidden cascade, not in this pop-up) counts as a dismissal.
QAction *execPopup(QMenu &menu, QPoint at);

// The action of slot `slot` of item array `array` in the pop-up, or nullptr.
QAction *popupSlotAction(QMenu &menu, const QString &array, int slot);

// Whether the user could choose the action in the pop-up as it is filled.
bool popupChoosable(QMenu &menu, const QAction *action);

// A chooser for the lifetime of the object; the previous one comes back at
// its end.
class ScopedPopupChooser
{
public:
    explicit ScopedPopupChooser(PopupChooser chooser);
    ~ScopedPopupChooser();
    ScopedPopupChooser(const ScopedPopupChooser &) = delete;
    ScopedPopupChooser &operator=(const ScopedPopupChooser &) = delete;

private:
    PopupChooser previous_;
};

} // namespace simwin
