#include "simwin/scene/steprecord.h"

#include "foundation/numparse.h"
#include "run/runstate.h"
#include "simwin/scene/linecache.h"

namespace steprec {

QStringView chars(QStringView line, int pos, int width)
{
    if (pos < 1 || width <= 0)
        return {};
    const qsizetype start = pos - 1;
    if (start >= line.size())
        return {};
    return line.mid(start, std::min<qsizetype>(width, line.size() - start));
}

QChar charAt(QStringView line, int pos)
{
    return (pos >= 1 && pos <= line.size()) ? line[pos - 1] : QChar();
}

int number(QStringView line, int pos, int width) { return num::leadingInt(chars(line, pos, width)); }

int digitValue(QChar c) { return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0; }

int jumpStep(QStringView digit)
{
    if (digit == u"0")
        return 0;
    const int n = num::leadingInt(digit);
    if (n != 0)
        return n;
    // "A" to "Z" are 10 to 35; the position of the text in the alphabet is 0
    // for anything else (so 9), and an empty text is found at position 1.
    static constexpr QStringView alphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (digit.isEmpty())
        return 10;
    const qsizetype at = alphabet.indexOf(digit);
    return int(at + 1) + 9;
}

// ---- Pane and bar fields --------------------------------------------------

QStringView paneField(QStringView line) { return chars(line, 4, 2); }

int paneSet(QStringView line)
{
    const QChar d = charAt(line, 5);
    return (charAt(line, 4) == u'X' && d >= u'0' && d <= u'9') ? d.unicode() - u'0' : -1;
}

bool paneOrBarIsEE(QStringView line) { return paneField(line) == u"EE" || barField(line) == u"EE"; }

QStringView barField(QStringView line) { return chars(line, 6, 2); }

int barBits(QStringView line)
{
    const QChar kind = charAt(line, 6);
    if (kind != u'A' && kind != u'B' && kind != u'C')
        return 0;
    const QChar d = charAt(line, 7);
    return (d >= u'1' && d <= u'7') ? d.unicode() - u'0' : 0;
}

bool barShowsExtraPanel(QStringView line) { return charAt(line, 6) == u'B'; }

// ---- Operation code ---------------------------------------------------------

QStringView stepTypeText(QStringView line) { return chars(line, 8, 4); }
int stepType(QStringView line) { return number(line, 8, 4); }
bool isListStep(QStringView line) { return charAt(line, 8) == u'L'; }
int listItemsLine(QStringView line) { return number(line, 9, 3); }

// ---- Pictures ---------------------------------------------------------------

QStringView background(QStringView line) { return chars(line, 12, 6); }

static int pictureAreaPos(int k)
{
    static constexpr int pos[] = {0, 18, 34, 50, 135, 151, 197};
    return (k >= 1 && k <= 6) ? pos[k] : 0;
}

PictureArea pictureArea(QStringView line, int k)
{
    PictureArea a;
    const int p = pictureAreaPos(k);
    if (!p)
        return a;
    a.index = k;
    a.left = number(line, p, 5);
    a.jump = charAt(line, p + 5);
    a.top = number(line, p + 6, 4);
    const QStringView name = chars(line, p + 10, 6);
    a.name = name.toString();
    a.absent = (k == 6) ? num::leadingInt(name) == 0 : name == HidePicture;
    a.keep = name == KeepPicture;
    return a;
}

// ---- Boxes --------------------------------------------------------------------

static BoxSpec box(QStringView line, int p)
{
    BoxSpec b;
    b.left = number(line, p, 5);
    b.jump = charAt(line, p + 5);
    b.top = number(line, p + 6, 4);
    b.width = number(line, p + 10, 5);
    b.height = number(line, p + 15, 5);
    return b;
}

static bool allZeros(QStringView field, int width)
{
    if (field.size() != width)
        return false;
    for (QChar c : field)
        if (c != u'0')
            return false;
    return true;
}

BoxSpec label1Box(QStringView line)
{
    BoxSpec b = box(line, 66);
    b.absent = allZeros(chars(line, 66, 20), 20);
    return b;
}

BoxSpec text1Box(QStringView line)
{
    BoxSpec b = box(line, 86);
    b.absent = number(line, 86, 20) == 0;
    return b;
}

BoxSpec label4Box(QStringView line)
{
    BoxSpec b = box(line, 177);
    b.absent = allZeros(chars(line, 187, 10), 10);
    return b;
}

// ---- Overlays ------------------------------------------------------------------

int targetSpecPos(int k)
{
    static constexpr int pos[] = {0, 125, 86, 96};
    return (k >= 1 && k <= 3) ? pos[k] : 0;
}

TargetSpec targetSpec(QStringView line, int k)
{
    TargetSpec t;
    const int p = targetSpecPos(k);
    if (!p)
        return t;
    const QStringView f = chars(line, p, 10);
    t.text = f.toString();
    t.kind = charAt(f, 1);
    t.hotSpot = number(f, 2, 2);
    t.item = number(f, 4, 2);
    t.subItem = number(f, 6, 2);
    t.pictureCode = number(f, 7, 4);
    t.jump = charAt(f, 10);
    return t;
}

static int keyAltPos(int k)
{
    static constexpr int pos[] = {0, 86, 91, 96};
    return (k >= 1 && k <= 3) ? pos[k] : 0;
}

KeyAlt keyAlt(QStringView line, int k)
{
    KeyAlt a;
    const int p = keyAltPos(k);
    if (!p)
        return a;
    a.code = number(line, p + 1, 4);
    a.present = charAt(line, p) == u'P' && a.code / 1000 == 6;
    a.shift = (a.code % 1000) / 100;
    a.keyDigits = a.code % 100;
    return a;
}

std::optional<int> menuCodeOverride(QStringView line)
{
    if (charAt(line, 86) != u'R')
        return std::nullopt;
    // "RA" is written for the thousands digit 6 as well as "R8"; both read
    // the same, so such steps can be answered.
    const QChar second = charAt(line, 87);
    if (second == u'8' || second == u'A')
        return 6000 + number(line, 88, 3);
    return number(line, 87, 4);
}

int extraPanel(QStringView line)
{
    if (charAt(line, 86) != u'H')
        return 0;
    const int n = number(line, 87, 2);
    return (n >= 32 && n <= 40) ? n : 0;
}

int extraPanelLeft(QStringView line) { return number(line, 96, 5); }
int extraPanelTop(QStringView line) { return number(line, 102, 4); }

CursorSpec cursorSpec(QStringView line)
{
    CursorSpec c;
    const QChar kind = charAt(line, 101);
    c.fileDigits = chars(line, 104, 2).toString();
    c.number = num::leadingInt(c.fileDigits);
    if (kind == u'S')
        c.kind = CursorSpec::Standard;
    else if (kind == u'M')
        c.kind = CursorSpec::Custom;
    return c;
}

QChar dropJump(QStringView line) { return charAt(line, 102); }

// ---- Text references -------------------------------------------------------------

QStringView initialTextField(QStringView line) { return chars(line, 106, 3); }
QStringView answerField(QStringView line) { return chars(line, 109, 3); }
int answerNumber(QStringView line) { return number(line, 109, 3); }
int initialNumber(QStringView line) { return number(line, 106, 3); }

bool hintKeepsPlace(QStringView line) { return chars(line, 112, 10) == u"0000000000"; }
int hintLeft(QStringView line) { return number(line, 112, 5); }
int hintTop(QStringView line) { return number(line, 117, 5); }
QStringView hintField(QStringView line) { return chars(line, 122, 3); }

// ---- Font ------------------------------------------------------------------------

// The text box's font families by digit 0 to 4.
static QString fontFamily(int digit)
{
    switch (digit) {
    case 0: return QStringLiteral("宋体");
    case 1: return QStringLiteral("Times New Roman");
    case 2: return QStringLiteral("黑体");
    case 3: return QStringLiteral("楷体_GB2312");
    case 4: return QStringLiteral("隶书");
    default: return {};
    }
}

FontSpec fontSpec(QStringView line)
{
    FontSpec f;
    const int tenths = number(line, 126, 3);
    f.pointSize = tenths == 0 ? 9.0 : tenths / 10.0;
    const QChar a = charAt(line, 129);
    if (a == u'R' || a == u'r')
        f.align = FontSpec::Right;
    else if (a == u'M' || a == u'm')
        f.align = FontSpec::Center;
    const int style = digitValue(charAt(line, 131));
    f.style = style <= 7 ? style : -1;
    f.family = fontFamily(digitValue(charAt(line, 132)));
    static constexpr int text[] = {0x000000, 0x0000FF, 0xFF0000};
    const int fore = digitValue(charAt(line, 133));
    f.textColor = fore <= 2 ? text[fore] : -1;
    static constexpr int back[] = {0xFFFFFF, 0x0000FF, 0xFF0000, 0xC0C0C0, 0xFFA9AA,
                                   0xFF00FF, 0x008001, 0xCCB2B3, 0xBAE3E0, 0xFFFFE1};
    f.backColor = back[digitValue(charAt(line, 134))];
    return f;
}

// ---- Dialog parts ------------------------------------------------------------------

bool hasBackSpec(QStringView line) { return charAt(line, 125) == u'Q'; }

QString backSpec(QStringView line)
{
    return hasBackSpec(line) ? chars(line, 125, 5).toString() : QStringLiteral("NONO");
}

int tabNumber(QChar c)
{
    if (c >= u'A' && c <= u'D')
        return 10 + (c.unicode() - u'A');
    return digitValue(c);
}

TabSpec tabSpec(QStringView line)
{
    TabSpec t;
    t.present = charAt(line, 130) == u'X';
    t.layout = charAt(line, 131);
    t.shownTab = tabNumber(charAt(line, 132));
    t.targetTab = tabNumber(charAt(line, 133));
    t.pictureArea = digitValue(charAt(line, 134));
    return t;
}

int dragLimitX(QStringView line) { return number(line, 167, 5); }
int dragLimitY(QStringView line) { return number(line, 172, 5); }

// ---- Answer-text lines ----------------------------------------------------------

std::optional<QString> commonDataText(const QString &path, int n)
{
    const auto line = linecache::lineClamped(path, n);
    if (!line)
        return std::nullopt;
    return line->mid(3);
}

std::optional<QString> commonDataText(int n) { return commonDataText(run::CommonDataFile, n); }

std::optional<QString> lookup(const QString &path, QStringView field)
{
    if (field == u"000")
        return QString();
    return commonDataText(path, num::leadingInt(field));
}

std::optional<QString> lookup(QStringView field) { return lookup(run::CommonDataFile, field); }

QString beforeFirstBar(const QString &text)
{
    const qsizetype bar = text.indexOf(u'|');
    return bar < 0 ? text : text.left(bar);
}

std::pair<QString, QString> alternatives(const QString &text)
{
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return {text, text};
    return {text.left(bar), text.mid(bar + 1)};
}

QStringList listItems(const QString &text) { return text.split(u'|'); }

} // namespace steprec
