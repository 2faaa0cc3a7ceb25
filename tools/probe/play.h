#pragma once
// Commands of `examsim-probe play`: one command a line on standard input, one
// JSON line on standard output for each. Each command lives in its own file
// and registers itself:
//
//   static QJsonObject clickCommand(const QStringList &args) { ... }
//   PLAY_COMMAND("click", "<control> [left|right|middle] [shift] [ctrl] [alt] [x y]", clickCommand);
//
// A command returns its answer object; play::error("...") makes the error
// answer {"error": "..."}. The commands are served from the event loop (see
// session.h), so the program's timers run between commands as they do for a
// user; after each command the pending events are handled.

#include "probe.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <functional>

class FrmMain;
class QWidget;

namespace play {

using CommandFn = QJsonObject (*)(const QStringList &args);
using Commands = probe::Commands<CommandFn>;

QJsonObject error(const QString &message);

// The simulated window while it is loaded, else nullptr (never loads it).
FrmMain *window();
// The error answer of a command that needs the simulated window.
QJsonObject noWindow();
// A control by object name: "<window>/<object>" ("FrmTm/CmdGN_1"), or a bare
// name for FrmMain's controls and pop-ups ("Label1", "LblZHU_24"); nullptr
// when there is none. A window named alone is the window itself.
QWidget *control(const QString &name);
// A loaded top-level window by object name, or nullptr; never loads one.
QWidget *topWindow(const QString &name);
// Runs the event loop for ms milliseconds.
void waitMs(int ms);
// Runs the event loop until done() holds or ms milliseconds have passed.
void runEventsUntil(const std::function<bool()> &done, int ms);
// Handles what is pending, deferred deletions included.
void settle();
// The visible top-level windows: name, title, geometry.
QJsonArray visibleWindows();

} // namespace play

#define PLAY_COMMAND(name, usage, fn) \
    static const play::Commands::Registrar PROBE_CAT(playCommand_, __LINE__)(name, usage, fn)
