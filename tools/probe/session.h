#pragma once
// The command session of `play` and `app`: standard input is read by a thread
// of its own and served from the event loop, one command a line, one JSON
// line answered for each. Because the event loop serves the input, commands
// keep arriving while the program waits in a modal window:
//
//  - a command that opens a modal window (a message box, a notice) answers as
//    soon as the window is up, with the modal line
//    {"modal": "<object name>", "title": ..., "prompt": ...};
//    the following commands act on that window;
//  - a command that closes the modal window an earlier command waits in
//    (`answer Yes`, a click on its button) answers once the earlier command
//    has carried on: with its own answer, or with the next modal line when the
//    program at once opens another window;
//  - a modal window that opens between commands (a timer's) is announced by
//    its modal line on its own.
//
// A command runs only when no other command is running, or inside the modal
// window the running command opened; `wait` therefore never runs the next
// command early. `quit` or the end of input ends the session.

#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

namespace play {

// Starts reading standard input (the lines are kept until serve() runs) and
// watching for modal windows.
void beginSession();

// Serves the input until `quit` or its end, or until the program leaves the
// event loop itself. atQuit runs when the input ends with no modal window
// open (the program is then closed as the caller likes); with a modal window
// still open the process ends at once. Returns the event loop's exit code,
// with programEnded set when the program itself left the loop.
int serve(const std::function<void()> &atQuit, bool *programEnded = nullptr);
// Commands are served from here on (with onlyInModal, only inside a modal
// window, such as a box the start opens before serve() runs).
void startServing(bool onlyInModal);

// The next input line for a command that asks its driver directly (the
// pop-up chooser); waits for it. Nothing at the end of input.
std::optional<QString> takeLine();

// Writes a line that answers no command (the start's ready line, the
// program's end).
void announce(const QJsonObject &line);
// True once a modal line has been written.
bool modalAnnounced();

// The modal line of a window: its object name, title and prompt.
QJsonObject modalLine(const QWidget *window);

} // namespace play
