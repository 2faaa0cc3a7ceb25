// play commands that look at the program's windows and its run state:
//
//   windows           the visible top-level windows: name, title, geometry,
//                     the window system's id
//   widgets <window>  its visible controls: name, class, geometry relative to
//                     the window, text, picture file, enabled, checked; a
//                     help view's file name and page title
//   state             the question set's variables
#include "play.h"

#include "examflow/examstate.h"
#include "examflow/frmtm.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/helpview.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWindow>

namespace {

QJsonObject geometry(const QRect &r) { return {{"x", r.x()}, {"y", r.y()}, {"w", r.width()}, {"h", r.height()}}; }

} // namespace

QJsonArray play::visibleWindows()
{
    QJsonArray list;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->parentWidget() || w->objectName().isEmpty())
            continue;
        QJsonObject o = geometry(w->frameGeometry());
        o["name"] = w->objectName();
        o["title"] = w->windowTitle();
        o["frameless"] = bool(w->windowFlags() & Qt::FramelessWindowHint);
        // The window system's id, for a test that asks the window system.
        o["id"] = qint64(w->windowHandle() ? w->windowHandle()->winId() : 0);
        list.append(o);
    }
    return list;
}

namespace {

QJsonObject windowsCommand(const QStringList &) { return {{"ok", true}, {"windows", play::visibleWindows()}}; }

QString textOf(const QWidget *w)
{
    if (const auto *b = qobject_cast<const kvelButton *>(w))
        return b->caption();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    if (const auto *t = qobject_cast<const QPlainTextEdit *>(w))
        return t->toPlainText();
    if (const auto *t = qobject_cast<const QLineEdit *>(w))
        return t->text();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    return {};
}

QString pictureOf(const QWidget *w)
{
    if (const auto *b = qobject_cast<const kvelButton *>(w))
        return b->pictureName();
    if (const auto *p = qobject_cast<const simwin::PictureBox *>(w))
        return p->pictureName();
    if (const auto *t = qobject_cast<const FrmTm *>(w))
        return t->pictureName();
    return {};
}

QJsonObject describe(const QWidget *w, const QWidget *window)
{
    QJsonObject o = geometry(QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
    o["name"] = w->objectName();
    o["class"] = QString::fromLatin1(w->metaObject()->className());
    if (const QString t = textOf(w); !t.isEmpty())
        o["text"] = t;
    if (const QString p = pictureOf(w); !p.isEmpty())
        o["picture"] = p;
    o["enabled"] = w->isEnabled();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w); b && b->isCheckable())
        o["checked"] = b->isChecked();
    if (const auto *h = qobject_cast<const plat::HelpView *>(w)) {
        o["file"] = QFileInfo(h->fileName()).fileName();
        o["title"] = h->documentTitle();
    }
    return o;
}

// A picture button's parts are the button's own, not controls of the window.
bool partOfButton(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const kvelButton *>(p))
            return true;
    return false;
}

QJsonObject widgetsCommand(const QStringList &args)
{
    if (args.size() != 1)
        return play::error(QStringLiteral("usage: widgets <window>"));
    QWidget *window = play::topWindow(args.first());
    if (!window)
        return play::error(QStringLiteral("no window %1").arg(args.first()));
    QJsonArray list;
    list.append(describe(window, window));
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isWindow() || w->objectName().isEmpty() || !w->isVisibleTo(window) || partOfButton(w))
            continue;
        if (w->objectName().startsWith(u"qt_"))
            continue;
        list.append(describe(w, window));
    }
    return {{"ok", true}, {"window", window->objectName()}, {"visible", window->isVisible()}, {"widgets", list}};
}

QJsonObject stateCommand(const QStringList &)
{
    const int sum = std::clamp<int>(run::TmSum, 0, run::MaxQuestions);
    QJsonArray states, steps, pictures;
    for (const QString &name : scene::TmPics[std::clamp<int>(run::TmNo, 0, run::MaxQuestions)])
        pictures.append(name);
    for (int n = 1; n <= sum; ++n) {
        states.append(run::TmState[n]);
        steps.append(scene::TmStep[n]);
    }
    return {{"ok", true},          {"PaperType", run::PaperType}, {"TaoNo", run::TaoNo},
            {"RecNo", run::RecNo}, {"TmNo", run::TmNo},           {"TmSum", run::TmSum},
            {"TmState", states},   {"TmStep", steps},             {"StepNo", scene::StepNo},
            {"AnswerMode", run::AnswerMode}, {"LeftMinutes", run::LeftMinutes},
            {"TmCanUnload", run::TmCanUnload}, {"TmPics", pictures}, {"UseIME", run::UseIME},
            {"CurHKL", qint64(exam::CurHKL)}};
}

} // namespace

PLAY_COMMAND("windows", "the visible top-level windows: name, title, geometry, the window system's id", windowsCommand);
PLAY_COMMAND("widgets", "<window>  its visible controls: name, class, geometry, text, picture, enabled, checked",
             widgetsCommand);
PLAY_COMMAND("state", "the question set's variables (TmState and TmStep for questions 1 to TmSum, TmPics of TmNo)",
             stateCommand);
