// play commands of the typing boxes, the list and the right-click pop-up.
//
//   type <control> <text>              types into Text1, Text2 or Text3 at its
//                                      cursor ("{Enter}" presses Enter there)
//   select <control> <start> <length>  selects characters, then releases the
//                                      left button over the box
//   choose <index>                     clicks item index (from 0) of the list
//   popup <array> <slot>               chooses slot of an item array of the
//                                      right-click pop-up ("popup -" dismisses)
//
// The pop-up is modal: the command that opens it (a right click) returns only
// when it is closed. Two ways to answer it:
//  - give `popup` before that command: the choice is queued and taken by the
//    next opening;
//  - give nothing: when the pop-up opens, an extra line
//    {"popup":"open","menu":n,"items":[...]} is written, and the next input
//    line answers it. It must be `popup <array> <slot>` or `popup -`; any
//    other line dismisses the pop-up and is answered with an error, not run.
//    Then the opening command's own answer follows.
#include "play.h"
#include "probe.h"
#include "session.h"

#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/popupchoice.h"

#include <QAction>
#include <QCoreApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <optional>

namespace {

QJsonObject stepAnswer(QJsonObject o)
{
    o["ok"] = true;
    o["StepNo"] = scene::StepNo;
    return o;
}

// A one-line text box of any window ("Text1" is the simulated window's).
QLineEdit *typingBox(const QString &name) { return qobject_cast<QLineEdit *>(play::control(name)); }

// Counts the scenes of the simulated window, when it is open.
quint64 sceneSerial() { return play::window() ? play::window()->sceneSerial() : 0; }

void sendKey(QWidget *w, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

QJsonObject typeCommand(const QStringList &args)
{
    QLineEdit *box = typingBox(args.value(0));
    if (args.size() < 2 || !box)
        return play::error(QStringLiteral("usage: type <text box> <text>"));
    const QString text = args.mid(1).join(u' ');
    const QString enter = QStringLiteral("{Enter}");
    box->setFocus();
    // Keys after the one that advanced the step would go to another scene:
    // typing stops there.
    const quint64 scene = sceneSerial();
    int typed = 0;
    for (qsizetype i = 0; i < text.size() && sceneSerial() == scene; ++typed) {
        if (text.mid(i, enter.size()) == enter) {
            sendKey(box, Qt::Key_Return, QStringLiteral("\r"));
            i += enter.size();
        } else {
            sendKey(box, Qt::Key_unknown, text.at(i));
            ++i;
        }
    }
    return stepAnswer({{"typed", typed}, {"text", box->text()}});
}

QJsonObject selectCommand(const QStringList &args)
{
    QLineEdit *box = typingBox(args.value(0));
    bool okStart = false, okLength = false;
    const int start = args.value(1).toInt(&okStart);
    const int length = args.value(2).toInt(&okLength);
    if (args.size() != 3 || !box || !okStart || !okLength || start < 0 || length < 0)
        return play::error(QStringLiteral("usage: select <text box> <start> <length>"));
    box->setSelection(start, length);
    const QString selected = box->selectedText();
    sendMouse(box, QEvent::MouseButtonRelease, box->rect().center());
    return stepAnswer({{"selected", selected}});
}

QJsonObject chooseCommand(const QStringList &args)
{
    if (!play::window())
        return play::noWindow();
    QListWidget *list = play::window()->LstLA;
    bool ok = false;
    const int index = args.value(0).toInt(&ok);
    if (args.size() != 1 || !ok)
        return play::error(QStringLiteral("usage: choose <index>"));
    if (!list->isVisible())
        return play::error(QStringLiteral("the list is not shown"));
    QListWidgetItem *item = list->item(index);
    if (!item)
        return play::error(QStringLiteral("the list has %1 items").arg(list->count()));
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    sendMouse(list->viewport(), QEvent::MouseButtonPress, at);
    sendMouse(list->viewport(), QEvent::MouseButtonRelease, at);
    return stepAnswer({{"chosen", item->text()}, {"LblXXK_0", play::window()->LblXXK[0]->text()}});
}

// ---- The pop-up -------------------------------------------------------------------

// An item of an array by its slot ("sKvelInde1 3"), or any item by its
// object name ("mCn2", the question window's language-bar menu).
struct SlotName
{
    QString array;
    int slot = 0;
    QString object;
    QString text() const { return object.isEmpty() ? QStringLiteral("%1 %2").arg(array).arg(slot) : object; }
};

// A choice given while no pop-up was open, for the next opening.
std::optional<SlotName> &queued()
{
    static std::optional<SlotName> q;
    return q;
}

// "sKvelInde1 3" -> the slot; "-" -> nullopt with dismiss set.
std::optional<SlotName> parseSlot(const QStringList &args, bool *dismiss)
{
    *dismiss = args.size() == 1 && args.first() == u"-";
    if (args.size() == 1 && !*dismiss)
        return SlotName{{}, 0, args.first()};
    bool ok = false;
    const int slot = args.value(1).toInt(&ok);
    if (args.size() != 2 || !ok || !args.first().startsWith(u"sKvel"))
        return std::nullopt;
    return SlotName{args.first(), slot};
}

QJsonArray shownItems(const QMenu &menu)
{
    QJsonArray items;
    for (const QAction *a : menu.actions()) {
        if (!a->isVisible())
            continue;
        if (a->menu())
            items.append(QJsonObject{{"name", a->objectName()}, {"text", a->text()}, {"items", shownItems(*a->menu())}});
        else if (a->isSeparator())
            items.append(QJsonObject{{"separator", true}});
        else
            items.append(QJsonObject{{"name", a->objectName()}, {"text", a->text()}});
    }
    return items;
}

QJsonObject chosenAnswer(QMenu &menu, const SlotName &s, QAction **chosen)
{
    QAction *a = s.object.isEmpty() ? simwin::popupSlotAction(menu, s.array, s.slot) : menu.findChild<QAction *>(s.object);
    if (!simwin::popupChoosable(menu, a))
        return play::error(QStringLiteral("%1 cannot be chosen in the pop-up").arg(s.text()));
    *chosen = a;
    return QJsonObject{{"ok", true}, {"chosen", a->objectName()}, {"text", a->text()}};
}

// The open pop-up asks the next input line.
QAction *askDriver(QMenu &menu)
{
    probe::outJson({{"popup", "open"},
                    {"menu", play::window() ? play::window()->PopMenuNo : 0},
                    {"items", shownItems(menu)}});
    const std::optional<QString> next = play::takeLine();
    if (!next)
        return nullptr;
    const QString line = *next;
    QStringList words = QProcess::splitCommand(line);
    if (words.value(0) != u"popup") {
        probe::outJson(play::error(QStringLiteral("the pop-up was open and is dismissed; not run: %1").arg(line)));
        return nullptr;
    }
    words.removeFirst();
    bool dismiss = false;
    const auto s = parseSlot(words, &dismiss);
    QAction *chosen = nullptr;
    if (dismiss)
        probe::outJson({{"ok", true}, {"dismissed", true}});
    else if (!s)
        probe::outJson(play::error(QStringLiteral("usage: popup <array> <slot> | popup <item> | popup -; the pop-up is dismissed")));
    else
        probe::outJson(chosenAnswer(menu, *s, &chosen));
    return chosen;
}

QAction *probeChooser(QMenu &menu, QPoint)
{
    if (const std::optional<SlotName> s = std::exchange(queued(), std::nullopt)) {
        QAction *chosen = nullptr;
        const QJsonObject answer = chosenAnswer(menu, *s, &chosen);
        if (!chosen)
            probe::err(answer["error"].toString());
        return chosen;
    }
    return askDriver(menu);
}

QJsonObject popupCommand(const QStringList &args)
{
    bool dismiss = false;
    const auto s = parseSlot(args, &dismiss);
    if (dismiss) {
        queued().reset();
        return QJsonObject{{"ok", true}, {"queued", QJsonValue::Null}};
    }
    if (!s)
        return play::error(QStringLiteral("usage: popup <array> <slot> | popup -"));
    queued() = s;
    return QJsonObject{{"ok", true}, {"queued", s->object.isEmpty() ? QStringLiteral("%1_%2").arg(s->array).arg(s->slot) : s->object}};
}

// The probe answers every pop-up itself: a modal menu would wait for a user
// that an offscreen run does not have.
const bool chooserInstalled = (simwin::setPopupChooser(probeChooser), true);

} // namespace

PLAY_COMMAND("type", "<text box> <text>  types at the cursor (Text1 is FrmMain's; FrmLogon/Text1 names another window's); {Enter} presses Enter", typeCommand);
PLAY_COMMAND("select", "<text box> <start> <length>  selects, then releases the mouse over the box", selectCommand);
PLAY_COMMAND("choose", "<index>  clicks that item (from 0) of the open list", chooseCommand);
PLAY_COMMAND("popup", "<array> <slot> | <item> | -  a pop-up's choice (an item by its object name: mCn2): queued for the next opening, or the answer "
                      "to an open pop-up's {\"popup\":\"open\"} line",
             popupCommand);
