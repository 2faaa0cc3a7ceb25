#include "simwin/window/popupchoice.h"

#include <QAction>
#include <QMenu>

namespace popupchoice {

namespace {
Chooser &current()
{
    static Chooser c;
    return c;
}
} // namespace

Chooser setChooser(Chooser chooser) { return std::exchange(current(), std::move(chooser)); }

bool hasChooser() { return bool(current()); }

QAction *slotAction(QMenu &menu, const QString &array, int slot)
{
    return menu.findChild<QAction *>(QStringLiteral("%1_%2").arg(array).arg(slot));
}

bool choosable(QMenu &menu, const QAction *action)
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

QAction *exec(QMenu &menu, QPoint at)
{
    if (!current())
        return menu.exec(at);
    // The chooser may replace itself; keep it alive while it runs.
    const Chooser chooser = current();
    QAction *chosen = chooser(menu, at);
    if (!choosable(menu, chosen))
        return nullptr;
    chosen->trigger();
    return chosen;
}

ScopedChooser::ScopedChooser(Chooser chooser) : previous_(setChooser(std::move(chooser))) {}

ScopedChooser::~ScopedChooser() { setChooser(std::move(previous_)); }

} // namespace popupchoice
