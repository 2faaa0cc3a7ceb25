#include "simwin/scene/keycodes.h"

#include <array>

namespace scene {

namespace {

constexpr int FirstLetter = 65, LastLetter = 90;
constexpr int FirstDigit = 48, LastDigit = 57;
constexpr int FirstFKey = 112, LastFKey = 135; // F1 to F24
constexpr int MaxCode = 254;

struct Entry
{
    int code;
    int qtKey;
    bool keypad;      // produced by the keypad (Qt::KeypadModifier)
    const char *name; // nullptr: a Qt key giving the code, never written
};

// Keys other than letters, digits and F-keys. The first row of a code is the
// one sent for it and named after it. Punctuation keys have the codes of the
// standard US layout; Qt names a key by the character it types, so the
// shifted characters are listed with the code of their key.
constexpr Entry Table[] = {
    {8, Qt::Key_Backspace, false, "Backspace"},
    {9, Qt::Key_Tab, false, "Tab"},
    {9, Qt::Key_Backtab, false, nullptr},
    {12, Qt::Key_Clear, false, "Clear"},
    {13, Qt::Key_Return, false, "Enter"},
    {13, Qt::Key_Enter, true, nullptr},
    {16, Qt::Key_Shift, false, nullptr},
    {17, Qt::Key_Control, false, nullptr},
    {18, Qt::Key_Alt, false, nullptr},
    {19, Qt::Key_Pause, false, "Pause"},
    {20, Qt::Key_CapsLock, false, "CapsLock"},
    {27, Qt::Key_Escape, false, "Esc"},
    {32, Qt::Key_Space, false, "Space"},
    {33, Qt::Key_PageUp, false, "PageUp"},
    {34, Qt::Key_PageDown, false, "PageDown"},
    {35, Qt::Key_End, false, "End"},
    {36, Qt::Key_Home, false, "Home"},
    {37, Qt::Key_Left, false, "Left"},
    {38, Qt::Key_Up, false, "Up"},
    {39, Qt::Key_Right, false, "Right"},
    {40, Qt::Key_Down, false, "Down"},
    {44, Qt::Key_Print, false, "PrintScreen"},
    {45, Qt::Key_Insert, false, "Insert"},
    {46, Qt::Key_Delete, false, "Delete"},
    {48, Qt::Key_ParenRight, false, nullptr},
    {49, Qt::Key_Exclam, false, nullptr},
    {50, Qt::Key_At, false, nullptr},
    {51, Qt::Key_NumberSign, false, nullptr},
    {52, Qt::Key_Dollar, false, nullptr},
    {53, Qt::Key_Percent, false, nullptr},
    {54, Qt::Key_AsciiCircum, false, nullptr},
    {55, Qt::Key_Ampersand, false, nullptr},
    {56, Qt::Key_Asterisk, false, nullptr},
    {57, Qt::Key_ParenLeft, false, nullptr},
    {91, Qt::Key_Meta, false, nullptr},
    {93, Qt::Key_Menu, false, "Apps"},
    {96, Qt::Key_0, true, "Num0"},
    {97, Qt::Key_1, true, "Num1"},
    {98, Qt::Key_2, true, "Num2"},
    {99, Qt::Key_3, true, "Num3"},
    {100, Qt::Key_4, true, "Num4"},
    {101, Qt::Key_5, true, "Num5"},
    {102, Qt::Key_6, true, "Num6"},
    {103, Qt::Key_7, true, "Num7"},
    {104, Qt::Key_8, true, "Num8"},
    {105, Qt::Key_9, true, "Num9"},
    {106, Qt::Key_Asterisk, true, "Num*"},
    {107, Qt::Key_Plus, true, "Num+"},
    {109, Qt::Key_Minus, true, "Num-"},
    {110, Qt::Key_Period, true, "Num."},
    {110, Qt::Key_Comma, true, nullptr}, // the keypad's decimal key on some layouts
    {111, Qt::Key_Slash, true, "Num/"},
    {144, Qt::Key_NumLock, false, "NumLock"},
    {145, Qt::Key_ScrollLock, false, "ScrollLock"},
    {186, Qt::Key_Semicolon, false, ";"},
    {186, Qt::Key_Colon, false, nullptr},
    {187, Qt::Key_Equal, false, "="},
    {187, Qt::Key_Plus, false, nullptr},
    {188, Qt::Key_Comma, false, ","},
    {188, Qt::Key_Less, false, nullptr},
    {189, Qt::Key_Minus, false, "-"},
    {189, Qt::Key_Underscore, false, nullptr},
    {190, Qt::Key_Period, false, "."},
    {190, Qt::Key_Greater, false, nullptr},
    {191, Qt::Key_Slash, false, "/"},
    {191, Qt::Key_Question, false, nullptr},
    {192, Qt::Key_QuoteLeft, false, "`"},
    {192, Qt::Key_AsciiTilde, false, nullptr},
    {219, Qt::Key_BracketLeft, false, "["},
    {219, Qt::Key_BraceLeft, false, nullptr},
    {220, Qt::Key_Backslash, false, "\\"},
    {220, Qt::Key_Bar, false, nullptr},
    {221, Qt::Key_BracketRight, false, "]"},
    {221, Qt::Key_BraceRight, false, nullptr},
    {222, Qt::Key_Apostrophe, false, "'"},
    {222, Qt::Key_QuoteDbl, false, nullptr},
};

// Other spellings read by parseKey.
struct Alias
{
    const char *alias;
    const char *name;
};
constexpr Alias Aliases[] = {
    {"Return", "Enter"}, {"Escape", "Esc"}, {"Del", "Delete"}, {"Ins", "Insert"},
    {"PgUp", "PageUp"},  {"PgDn", "PageDown"}, {"Slash", "/"}, {"Menu", "Apps"},
};

const Entry *firstOfCode(int code)
{
    for (const Entry &e : Table) {
        if (e.code == code)
            return &e;
    }
    return nullptr;
}

const Entry *named(QStringView name)
{
    QLatin1StringView want;
    for (const Alias &a : Aliases) {
        if (name.compare(QLatin1StringView(a.alias), Qt::CaseInsensitive) == 0)
            want = QLatin1StringView(a.name);
    }
    for (const Entry &e : Table) {
        if (!e.name)
            continue;
        const QLatin1StringView n(e.name);
        if (want.isEmpty() ? name.compare(n, Qt::CaseInsensitive) == 0 : n == want)
            return &e;
    }
    return nullptr;
}

// A decimal number of 1 to 3 digits, or -1.
int smallNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 3)
        return -1;
    int n = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

int codeOfName(QStringView name)
{
    if (name.size() == 1) {
        const QChar c = name[0].toUpper();
        if (c >= u'A' && c <= u'Z')
            return c.unicode();
        if (c >= u'0' && c <= u'9')
            return c.unicode();
    }
    if (name.size() >= 2 && (name[0] == u'F' || name[0] == u'f')) {
        const int n = smallNumber(name.mid(1));
        if (n >= 1 && n <= LastFKey - FirstFKey + 1)
            return FirstFKey + n - 1;
    }
    if (name.size() >= 3 && name.left(2).compare(u"VK", Qt::CaseInsensitive) == 0) {
        const int n = smallNumber(name.mid(2));
        if (n >= 1 && n <= MaxCode)
            return n;
    }
    if (const Entry *e = named(name))
        return e->code;
    return 0;
}

} // namespace

int shiftState(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier)
        s |= ShiftBit;
    if (m & Qt::ControlModifier)
        s |= CtrlBit;
    if (m & Qt::AltModifier)
        s |= AltBit;
    return s;
}

Qt::KeyboardModifiers modifiers(int shift)
{
    Qt::KeyboardModifiers m;
    if (shift & ShiftBit)
        m |= Qt::ShiftModifier;
    if (shift & CtrlBit)
        m |= Qt::ControlModifier;
    if (shift & AltBit)
        m |= Qt::AltModifier;
    return m;
}

int keyCode(int qtKey, Qt::KeyboardModifiers m)
{
    const bool keypad = m & Qt::KeypadModifier;
    for (const Entry &e : Table) {
        if (e.qtKey == qtKey && e.keypad == keypad)
            return e.code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return FirstLetter + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return FirstDigit + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return FirstFKey + (qtKey - Qt::Key_F1);
    // A keypad key without a row of its own is its main-block twin
    // (Home, End, the arrows ... with NumLock off).
    for (const Entry &e : Table) {
        if (e.qtKey == qtKey)
            return e.code;
    }
    return 0;
}

std::optional<QtKeyPress> qtKey(int code, int shift)
{
    QtKeyPress p;
    p.modifiers = modifiers(shift);
    if (code >= FirstLetter && code <= LastLetter)
        p.key = Qt::Key(Qt::Key_A + (code - FirstLetter));
    else if (code >= FirstDigit && code <= LastDigit)
        p.key = Qt::Key(Qt::Key_0 + (code - FirstDigit));
    else if (code >= FirstFKey && code <= LastFKey)
        p.key = Qt::Key(Qt::Key_F1 + (code - FirstFKey));
    else if (const Entry *e = firstOfCode(code)) {
        p.key = Qt::Key(e->qtKey);
        if (e->keypad)
            p.modifiers |= Qt::KeypadModifier;
    } else {
        return std::nullopt;
    }
    return p;
}

std::optional<KeyPress> parseKey(QStringView text)
{
    static constexpr std::array<std::pair<QStringView, int>, 4> Mods = {{
        {u"shift+", ShiftBit},
        {u"ctrl+", CtrlBit},
        {u"control+", CtrlBit},
        {u"alt+", AltBit},
    }};
    KeyPress p;
    text = text.trimmed();
    for (bool more = true; more;) {
        more = false;
        for (const auto &[prefix, bit] : Mods) {
            if (text.size() > prefix.size() && text.startsWith(prefix, Qt::CaseInsensitive)) {
                p.shift |= bit;
                text = text.mid(prefix.size());
                more = true;
            }
        }
    }
    p.code = codeOfName(text);
    if (p.code == 0)
        return std::nullopt;
    return p;
}

std::optional<QtKeyPress> parseQtKey(QStringView text)
{
    const auto p = parseKey(text);
    return p ? qtKey(p->code, p->shift) : std::nullopt;
}

QString keyName(const KeyPress &press)
{
    QString s;
    if (press.shift & ShiftBit)
        s += QStringLiteral("Shift+");
    if (press.shift & CtrlBit)
        s += QStringLiteral("Ctrl+");
    if (press.shift & AltBit)
        s += QStringLiteral("Alt+");
    const int c = press.code;
    if ((c >= FirstLetter && c <= LastLetter) || (c >= FirstDigit && c <= LastDigit))
        return s + QChar(c);
    if (c >= FirstFKey && c <= LastFKey)
        return s + QChar(u'F') + QString::number(c - FirstFKey + 1);
    for (const Entry &e : Table) {
        if (e.code == c && e.name)
            return s + QLatin1StringView(e.name);
    }
    return s + QStringLiteral("VK") + QString::number(c);
}

} // namespace scene
