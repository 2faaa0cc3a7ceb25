#include "simwin/checks/keyaccept.h"

#include "simwin/scene/steprecord.h"

namespace chk {


namespace {

struct Shortcut
{
    QStringView mmii;
    int code;
    int shift;
};

// The menu items of the editor that have a shortcut key (Ctrl unless said).
constexpr Shortcut ShortcutTable[] = {
    {u"0101", 78, scene::CtrlBit},                 // Ctrl+N
    {u"0102", 79, scene::CtrlBit},                 // Ctrl+O
    {u"0106", 83, scene::CtrlBit},                 // Ctrl+S
    {u"0116", 80, scene::CtrlBit},                 // Ctrl+P
    {u"0113", 123, 0},                            // F12
    {u"0201", 90, scene::CtrlBit},                 // Ctrl+Z
    {u"0202", 89, scene::CtrlBit},                 // Ctrl+Y
    {u"0203", 88, scene::CtrlBit},                 // Ctrl+X
    {u"0204", 67, scene::CtrlBit},                 // Ctrl+C
    {u"0206", 86, scene::CtrlBit},                 // Ctrl+V
    {u"0209", 65, scene::CtrlBit},                 // Ctrl+A
    {u"0210", 70, scene::CtrlBit},                 // Ctrl+F
    {u"0211", 72, scene::CtrlBit},                 // Ctrl+H
    {u"0212", 71, scene::CtrlBit},                 // Ctrl+G
    {u"0214", 81, scene::CtrlBit},                 // Ctrl+Q
    {u"0310", 112, scene::AltBit},                 // Alt+F1
    {u"0312", 191, scene::CtrlBit},                // Ctrl and the slash key
    {u"0314", 112, scene::CtrlBit},                // Ctrl+F1
    {u"0416", 71, scene::CtrlBit},                 // Ctrl+G
    {u"0417", 75, scene::CtrlBit},                 // Ctrl+K
    {u"0515", 90, scene::CtrlBit | scene::ShiftBit}, // Ctrl+Shift+Z
    {u"0516", 13, scene::AltBit},                  // Alt+Enter
    {u"0601", 118, 0},                            // F7
    {u"0602", 118, scene::ShiftBit},               // Shift+F7
    {u"0606", 119, 0},                            // F8
    {u"1101", 112, 0},                            // F1
};

constexpr int F1 = 112;

} // namespace

std::optional<scene::KeyPress> shortcut(QStringView mmii)
{
    for (const Shortcut &s : ShortcutTable) {
        if (s.mmii == mmii)
            return scene::KeyPress{s.code, s.shift};
    }
    return std::nullopt;
}

std::optional<scene::KeyPress> keyOfCode(int code, KeyPlace place)
{
    if (code / 1000 != 6)
        return std::nullopt;
    scene::KeyPress p{code % 100, (code % 1000) / 100};
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

QList<scene::KeyPress> acceptedKeys(QStringView line)
{
    QList<scene::KeyPress> out;
    if (const auto own = keyOfCode(scene::stepType(line), KeyPlace::OperationCode))
        out << *own;
    static constexpr KeyPlace altPlaces[] = {KeyPlace::Alt86, KeyPlace::Alt91, KeyPlace::Alt96};
    for (int k = 1; k <= 3; ++k) {
        const scene::KeyAlt alt = scene::keyAlt(line, k);
        if (!alt.present)
            continue;
        if (const auto p = keyOfCode(alt.code, altPlaces[k - 1]))
            out << *p;
    }
    for (int k = 1; k <= 3; ++k) {
        const scene::TargetSpec t = scene::targetSpec(line, k);
        if (!t.isPath())
            continue;
        if (const auto p = shortcut(scene::chars(t.text, 2, 4)))
            out << *p;
    }
    return out;
}

chk::StepMove keyClick(QStringView line, int keyCode, int shift)
{
    return acceptedKeys(line).contains(scene::KeyPress{keyCode, shift}) ? chk::StepMove::next() : chk::StepMove{};
}

} // namespace chk
