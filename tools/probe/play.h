#pragma once
// Commands of `examsim-probe play`: one command a line on standard input, one
// JSON line on standard output for each. Each command lives in its own file
// and registers itself:
//
//   static QJsonObject clickCommand(const QStringList &args) { ... }
//   PLAY_COMMAND("click", "<control> [left|right|middle] [shift] [ctrl] [alt] [x y]", clickCommand);
//
// A command returns its answer object; play::error("...") makes the error
// answer {"error": "..."}. Between commands the event loop runs until nothing
// is pending; `wait <ms>` lets timers fire.

#include "probe.h"

#include <QJsonObject>
#include <QStringList>

class FrmMain;
class QWidget;

namespace play {

using CommandFn = QJsonObject (*)(const QStringList &args);
using Commands = probe::Commands<CommandFn>;

QJsonObject error(const QString &message);

// The simulated window of the run.
FrmMain &window();
// A control by object name: "<window>/<object>" ("FrmTm/CmdGN_1"), or a bare
// name for FrmMain's controls and pop-ups ("Label1", "LblZHU_24"); nullptr
// when there is none. A window named alone is the window itself.
QWidget *control(const QString &name);
// A loaded top-level window by object name, or nullptr; never loads one.
QWidget *topWindow(const QString &name);
// Runs the event loop for ms milliseconds.
void waitMs(int ms);

} // namespace play

#define PLAY_COMMAND(name, usage, fn) \
    static const play::Commands::Registrar PROBE_CAT(playCommand_, __LINE__)(name, usage, fn)
