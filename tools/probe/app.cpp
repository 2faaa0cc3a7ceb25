// examsim-probe app <program-folder>: the whole program, started in-process
// as main() starts it (start-up window, its timer, the cover), driven by the
// play commands on standard input. The first line is {"ready": true,
// "windows": [...]} once the start has settled, or the modal line of a box
// the start opened; the program's end is the line {"ended": <code>}, and the
// probe exits with that code.
#include "play.h"
#include "probe.h"
#include "session.h"

#include "app/startup.h"
#include "cover/frmfengmian.h"
#include "foundation/programfolder.h"
#include "foundation/singleinstance.h"
#include "foundation/startup.h"
#include "foundation/ui/display.h"
#include "foundation/ui/frmstart.h"

#include <QDir>

namespace {

void announceEnd() { play::announce(QJsonObject{{"ended", 0}}); }

int appCommand(const QStringList &args)
{
    if (args.size() != 1) {
        probe::err(QStringLiteral("usage: examsim-probe app <program-folder>"));
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath();
    if (!QDir(folder).exists()) {
        probe::err(QStringLiteral("no program folder: %1").arg(folder));
        return 2;
    }
    app::prepareProcess();
    fnd::overrideProgramFolder(folder);
    fnd::setEndObserver(announceEnd);
    play::beginSession();
    // A box the start opens (a second instance) is served at once.
    play::startServing(true);
    app::wire();
    FrmStart &start = FrmStart::get();
    fnd::centreOnScreen(&start);
    start.show();
    play::runEventsUntil(
        [] {
            const FrmFengmian *cover = FrmFengmian::loaded();
            return (cover && cover->isVisible()) || play::modalAnnounced();
        },
        10000);
    play::settle();
    if (!play::modalAnnounced())
        play::announce(QJsonObject{{"ready", true}, {"windows", play::visibleWindows()}});
    bool ended = false;
    const int code = play::serve([] {}, &ended);
    if (ended)
        play::announce(QJsonObject{{"ended", code}});
    fnd::releaseSingleInstance();
    return code;
}

} // namespace

PROBE_COMMAND("app", "<program-folder>  the whole program as a user runs it; commands on stdin", appCommand);
