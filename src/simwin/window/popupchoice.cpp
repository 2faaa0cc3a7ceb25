#include "simwin/window/popupchoice.h"

#include <QAction>
#include <QMenu>

namespace simwin {

namespace {
PopupChooser &current()
{
    static PopupChooser c;
    return c;
}
} // namespace

PopupChooser setPopupChooser(PopupChooser chooser) { return std::exchange(current(), std::move(chooser)); }

bool hasPopupChooser() { return bool(current()); }

QAction *popupSlotAction(QMenu &menu, const QString &array, int slot)
{
    return menu.findChild<QAction *>(QStringLiteral("%1_%2").arg(array).arg(slot));
}

bool popupChoosable(QMenu &menu, const QAction *action)
{
    if (!action || !action->isVisible() || !action->isEnabled() || action->isSeparator() || action->menu())
        return false;
    // Directly in the pop-up, or in a cascade of it whose entry is shown.
    for (const QObject *o = action->parent(); o; o = o->parent()) {
        if (o == &menu)
            return true;
        const auto *cascade = qobject_cast<const QMenu *>(o);
        if (cascade && !cascade->menuAction()->isVisible())
            return false;
    }
    return false;
}

QAction *execPopup(QMenu &menu, QPoint at)
{
    if (!current())
        return menu.exec(at);
    // The chooser may replace itself; keep it alive while it runs.
    const PopupChooser chooser = current();
    QAction *chosen = chooser(menu, at);
    if (!popupChoosable(menu, chosen))
        return nullptr;
    chosen->trigger();
    return chosen;
}

ScopedPopupChooser::ScopedPopupChooser(PopupChooser chooser) : previous_(setPopupChooser(std::move(chooser))) {}

ScopedPopupChooser::~ScopedPopupChooser() { setPopupChooser(std::move(previous_)); }

} // namespace simwin
