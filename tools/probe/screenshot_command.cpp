// examsim-probe screenshot <file-prefix> [count] [interval-ms]: pictures of the
// whole screen (run with QT_QPA_PLATFORM=xcb on a desktop or under xvfb-run),
// saved as <file-prefix>-<n>.png; a series catches short-lived windows such
// as the splash.
#include "probe.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace {

int screenshot(const QStringList &args)
{
    if (args.isEmpty()) {
        probe::err(QStringLiteral("usage: screenshot <file-prefix> [count] [interval-ms]"));
        return 2;
    }
    const int count = args.size() > 1 ? qMax(1, args[1].toInt()) : 1;
    const int interval = args.size() > 2 ? qMax(0, args[2].toInt()) : 0;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        probe::err(QStringLiteral("no screen"));
        return 1;
    }
    for (int n = 0; n < count; ++n) {
        if (n > 0 && interval > 0) {
            QEventLoop wait;
            QTimer::singleShot(interval, &wait, &QEventLoop::quit);
            wait.exec();
        }
        const QString file = QStringLiteral("%1-%2.png").arg(args[0]).arg(n);
        if (!screen->grabWindow(0).save(file)) {
            probe::err(QStringLiteral("cannot write ") + file);
            return 1;
        }
        probe::out(file);
    }
    return 0;
}

} // namespace

PROBE_COMMAND("screenshot", "<file-prefix> [count] [interval-ms]", screenshot);
