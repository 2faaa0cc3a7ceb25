#pragma once
// Key codes as the step records write them: the numbers of the editor's
// platform for each key (letters 65-90, digits 48-57, F1-F12 112-123, Enter
// 13, ...) and the shift state as a sum (1 Shift, 2 Ctrl, 4 Alt). This is the
// one place where Qt's keys become those numbers and back; key names ("Ctrl+S",
// "F1", "Shift+Ctrl+N") are read here too, for tools and tests that press keys.
//
// QtCore only.

#include <QString>
#include <QStringView>
#include <Qt>
#include <optional>

namespace scene {

enum ShiftBits { ShiftBit = 1, CtrlBit = 2, AltBit = 4 };

// The shift state of Qt modifiers: Shift 1, Ctrl 2, Alt 4, summed (others ignored).
int shiftState(Qt::KeyboardModifiers m);
// The Qt modifiers of a shift state.
Qt::KeyboardModifiers modifiers(int shift);

// The key code of a Qt key; modifiers only tell a keypad key from its twin
// (Qt::KeypadModifier). 0 when the key has no code.
int keyCode(int qtKey, Qt::KeyboardModifiers m = Qt::NoModifier);

// A key press in step-record terms and in Qt terms.
struct KeyPress
{
    int code = 0;
    int shift = 0;
    bool operator==(const KeyPress &) const = default;
};
struct QtKeyPress
{
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    bool operator==(const QtKeyPress &) const = default;
};

// The Qt key that produces a key code (a keypad key carries
// Qt::KeypadModifier); nullopt for a code no key produces.
std::optional<QtKeyPress> qtKey(int code, int shift = 0);

// Reads a key name: modifiers "Shift", "Ctrl" (or "Control"), "Alt" joined
// with "+" in any order, then one key: a letter, a digit, "F1".."F24",
// "Enter", "Esc", "Space", "Tab", "Backspace", "Delete", "Insert", "Left",
// "Up", "Right", "Down", "Home", "End", "PageUp", "PageDown", "Clear", a
// punctuation character ("/", ";", "=", ",", "-", ".", "`", "[", "\", "]",
// "'"), "Num0".."Num9", "Num*", "Num+", "Num-", "Num.", "Num/", or "VK" and a
// decimal code. Case does not matter. nullopt for anything else.
std::optional<KeyPress> parseKey(QStringView text);
std::optional<QtKeyPress> parseQtKey(QStringView text);

// The name of a key press, as parseKey reads it ("Ctrl+Shift+Z" is written
// "Shift+Ctrl+Z"); "VK" and the number for a code without a name.
QString keyName(const KeyPress &press);

} // namespace scene
