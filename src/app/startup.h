#pragma once
// src/app/ (layer 6, UI library, namespace app): the top layer.
//
// The application layer, the top of the program: it starts the program and
// wires together what the layers below leave open for it, so that no lower
// layer reaches up. The executable's main() only calls run().

class QApplication;

namespace app {

// Hands the lower layers what they take from above: the error report's
// sender (the HTTP text request) and its bank version (the run state's); the
// log line of a refused link (the run's log); the box that says, once a run,
// that a learner record could not be saved; the start-up window's run values (TaoNo 0, no demonstration) and what follows
// its splash (the cover). run() does it first; tests that need the whole
// chain call it themselves.
void wire();

// What the process sets up first, before the application object (main()
// and the probe's app mode call it): the C library's heap hands the memory
// of freed pictures back to the system. False when the C library took no
// setting (not glibc, or it refused one).
bool prepareProcess();

// Runs the program: wire(), the start-up window, then the event loop.
// Returns the process exit code.
int run(QApplication &application);

} // namespace app
