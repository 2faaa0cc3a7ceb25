#pragma once
// Keyboard layouts. This system has no per-program layout switching: an
// activation is recorded (for tests and the probe) and has no other effect.
// The typing boxes of the simulated window call it on focus when automatic
// input-method switching is chosen.
//
// The installed layouts, which the question window's language-bar menu
// offers, are read from the registry stand-in's INI file (plat::registryFile),
// group "KeyboardLayouts":
//
//   [KeyboardLayouts]
//   List=04090409 E0200804 E0210804     ; handles in hexadecimal, in order
//   E0200804=<description>               ; an input method's description
//
// Without a list, or with a list that is not all hexadecimal handles, the
// system has one US layout (04090409) and no input method.

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace plat {

struct LayoutActivation
{
    quint32 layout = 0; // the layout handle chosen in the language-bar menu
    unsigned flags = 0;
};

constexpr int MaxLayouts = 16;
constexpr quint32 UsLayout = 0x04090409u;

// The installed layout handles, at most MaxLayouts, in list order.
QList<quint32> keyboardLayoutList();
// The input-method description of a layout; empty for a layout that is no
// input method.
QString imeDescription(quint32 layout);

// Records the request; the result is not looked at by callers.
void activateKeyboardLayout(quint32 layout, unsigned flags);

// The last request and the number of requests since the last reset.
std::optional<LayoutActivation> lastLayoutActivation();
int layoutActivationCount();
void resetLayoutActivations();

} // namespace plat
