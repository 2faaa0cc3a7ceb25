#include "simwin/checks/keyaccept.h"

#include "simwin/scene/steprecord.h"

namespace scene {

namespace sr = steprec;

namespace {

struct Shortcut
{
    QStringView mmii;
    int code;
    int shift;
};

// The menu items of the editor that have a shortcut key (Ctrl unless said).
constexpr Shortcut ShortcutTable[] = {
    {u"0101", 78, keys::CtrlBit},                 // Ctrl+N
    {u"0102", 79, keys::CtrlBit},                 // Ctrl+O
    {u"0106", 83, keys::CtrlBit},                 // Ctrl+S
    {u"0116", 80, keys::CtrlBit},                 // Ctrl+P
    {u"0113", 123, 0},                            // F12
    {u"0201", 90, keys::CtrlBit},                 // Ctrl+Z
    {u"0202", 89, keys::CtrlBit},                 // Ctrl+Y
    {u"0203", 88, keys::CtrlBit},                 // Ctrl+X
    {u"0204", 67, keys::CtrlBit},                 // Ctrl+C
    {u"0206", 86, keys::CtrlBit},                 // Ctrl+V
    {u"0209", 65, keys::CtrlBit},                 // Ctrl+A
    {u"0210", 70, keys::CtrlBit},                 // Ctrl+F
    {u"0211", 72, keys::CtrlBit},                 // Ctrl+H
    {u"0212", 71, keys::CtrlBit},                 // Ctrl+G
    {u"0214", 81, keys::CtrlBit},                 // Ctrl+Q
    {u"0310", 112, keys::AltBit},                 // Alt+F1
    {u"0312", 191, keys::CtrlBit},                // Ctrl and the slash key
    {u"0314", 112, keys::CtrlBit},                // Ctrl+F1
    {u"0416", 71, keys::CtrlBit},                 // Ctrl+G
    {u"0417", 75, keys::CtrlBit},                 // Ctrl+K
    {u"0515", 90, keys::CtrlBit | keys::ShiftBit}, // Ctrl+Shift+Z
    {u"0516", 13, keys::AltBit},                  // Alt+Enter
    {u"0601", 118, 0},                            // F7
    {u"0602", 118, keys::ShiftBit},               // Shift+F7
    {u"0606", 119, 0},                            // F8
    {u"1101", 112, 0},                            // F1
};

constexpr int F1 = 112;

} // namespace

std::optional<keys::KeyPress> shortcut(QStringView mmii)
{
    for (const Shortcut &s : ShortcutTable) {
        if (s.mmii == mmii)
            return keys::KeyPress{s.code, s.shift};
    }
    return std::nullopt;
}

std::optional<keys::KeyPress> keyOfCode(int code, KeyPlace place)
{
    if (code / 1000 != 6)
        return std::nullopt;
    keys::KeyPress p{code % 100, (code % 1000) / 100};
    switch (place) {
    case KeyPlace::OperationCode:
        if (p.code == 12)
            p.code = F1;
        break;
    case KeyPlace::Alt86:
    case KeyPlace::Alt96:
        if (p.code <= 20)
            p.code += 100;
        break;
    case KeyPlace::Alt91:
        break;
    }
    return p;
}

QList<keys::KeyPress> acceptedKeys(QStringView line)
{
    QList<keys::KeyPress> out;
    if (const auto own = keyOfCode(sr::stepType(line), KeyPlace::OperationCode))
        out << *own;
    static constexpr KeyPlace altPlaces[] = {KeyPlace::Alt86, KeyPlace::Alt91, KeyPlace::Alt96};
    for (int k = 1; k <= 3; ++k) {
        const sr::KeyAlt alt = sr::keyAlt(line, k);
        if (!alt.present)
            continue;
        if (const auto p = keyOfCode(alt.code, altPlaces[k - 1]))
            out << *p;
    }
    for (int k = 1; k <= 3; ++k) {
        const sr::TargetSpec t = sr::targetSpec(line, k);
        if (!t.isPath())
            continue;
        if (const auto p = shortcut(sr::chars(t.text, 2, 4)))
            out << *p;
    }
    return out;
}

chk::StepMove keyClick(QStringView line, int keyCode, int shift)
{
    return acceptedKeys(line).contains(keys::KeyPress{keyCode, shift}) ? chk::StepMove::next() : chk::StepMove{};
}

} // namespace scene
