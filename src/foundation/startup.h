#pragma once
class QApplication;

namespace startup {
// Runs the program: the start-up window, then the event loop. Returns the
// process exit code.
int run(QApplication &app);

// Ends the program at once: no window is unloaded, nothing more is read or
// written (the single-instance lock is given up first). Exit code 0.
[[noreturn]] void endProgram();
} // namespace startup
