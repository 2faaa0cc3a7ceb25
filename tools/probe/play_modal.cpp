// play commands for modal windows, timers and memory:
//
//   answer OK|Yes|No|Cancel  presses that button of the open platform box
//   answer 1|0|close         clicks the program's own box's confirm, dismiss
//                            or close button
//   timer <window>/<timer> <ms>  sets a timer's interval (shortens a clock)
//   memory                   the probe's peak and current resident memory
#include "play.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

namespace {

QJsonObject answerCommand(const QStringList &args)
{
    const QString word = args.value(0);
    if (args.size() != 1)
        return play::error(QStringLiteral("usage: answer OK|Yes|No|Cancel|1|0|close"));
    static const QList<std::pair<QString, QString>> own = {
        {QStringLiteral("1"), QStringLiteral("LblClick_1")},
        {QStringLiteral("0"), QStringLiteral("LblClick_0")},
        {QStringLiteral("close"), QStringLiteral("LblClick_3")},
    };
    for (const auto &[name, button] : own) {
        if (word != name)
            continue;
        QWidget *box = play::topWindow(QStringLiteral("FrmKVMSGBOX"));
        if (!box || !box->isVisible())
            return play::error(QStringLiteral("no message box is open"));
        // A real press and release, as a user's click.
        const QJsonObject clicked = play::Commands::find("click")->fn({QStringLiteral("FrmKVMSGBOX/") + button});
        if (clicked.contains(u"error"))
            return clicked;
        return QJsonObject{{"ok", true}, {"answered", word}};
    }
    static const QList<std::pair<QString, QMessageBox::StandardButton>> platform = {
        {QStringLiteral("OK"), QMessageBox::Ok},
        {QStringLiteral("Yes"), QMessageBox::Yes},
        {QStringLiteral("No"), QMessageBox::No},
        {QStringLiteral("Cancel"), QMessageBox::Cancel},
    };
    for (const auto &[name, standard] : platform) {
        if (word.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return play::error(QStringLiteral("no platform message box is open"));
        QAbstractButton *b = box->button(standard);
        if (!b)
            return play::error(QStringLiteral("the box has no %1 button").arg(name));
        b->click();
        return QJsonObject{{"ok", true}, {"answered", name}};
    }
    return play::error(QStringLiteral("usage: answer OK|Yes|No|Cancel|1|0|close"));
}

QJsonObject timerCommand(const QStringList &args)
{
    bool ok = false;
    const int ms = args.value(1).toInt(&ok);
    const qsizetype slash = args.value(0).indexOf(u'/');
    if (args.size() != 2 || !ok || ms < 0 || slash < 0)
        return play::error(QStringLiteral("usage: timer <window>/<timer> <ms>"));
    QWidget *window = play::topWindow(args.first().left(slash));
    QTimer *t = window ? window->findChild<QTimer *>(args.first().mid(slash + 1)) : nullptr;
    if (!t)
        return play::error(QStringLiteral("no timer %1").arg(args.first()));
    t->setInterval(ms);
    return QJsonObject{{"ok", true}, {"timer", args.first()}, {"interval", ms}, {"active", t->isActive()}};
}

// VmHWM and VmRSS of /proc/self/status, in KiB.
QJsonObject memoryCommand(const QStringList &)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return play::error(QStringLiteral("cannot read /proc/self/status"));
    QJsonObject o{{"ok", true}};
    for (const QByteArray &line : status.readAll().split('\n')) {
        for (const char *key : {"VmHWM", "VmRSS"}) {
            if (!line.startsWith(QByteArray(key) + ':'))
                continue;
            const QList<QByteArray> words = line.mid(qstrlen(key) + 1).simplified().split(' ');
            o[QString::fromLatin1(key) + QStringLiteral("_kB")] = words.value(0).toLongLong();
        }
    }
    return o;
}

} // namespace

PLAY_COMMAND("answer", "OK|Yes|No|Cancel  the open platform box's button; 1|0|close  the program's box's confirm, "
                       "dismiss or close button",
             answerCommand);
PLAY_COMMAND("timer", "<window>/<timer> <ms>  sets a timer's interval", timerCommand);
PLAY_COMMAND("memory", "the probe's peak and current resident memory (VmHWM_kB, VmRSS_kB)", memoryCommand);
