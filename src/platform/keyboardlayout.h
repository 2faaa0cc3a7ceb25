#pragma once
// Keyboard-layout activation. This system has no per-program layout
// switching: an activation is recorded (for tests and the probe) and has no
// other effect. The typing boxes of the simulated window call it on focus
// when automatic input-method switching is chosen.

#include <QtGlobal>
#include <optional>

namespace plat {

struct LayoutActivation
{
    quint32 layout = 0; // the layout handle chosen in the language-bar menu
    unsigned flags = 0;
};

// Records the request; the result is not looked at by callers.
void activateKeyboardLayout(quint32 layout, unsigned flags);

// The last request and the number of requests since the last reset.
std::optional<LayoutActivation> lastLayoutActivation();
int layoutActivationCount();
void resetLayoutActivations();

} // namespace plat
