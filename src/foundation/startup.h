#pragma once
class QApplication;

namespace startup {
// Runs the program: the start-up window, then the event loop. Returns the
// process exit code.
int run(QApplication &app);
} // namespace startup
