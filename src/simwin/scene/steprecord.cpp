#include "simwin/scene/steprecord.h"

#include "bank/bankfiles.h"
#include "foundation/numparse.h"
#include "simwin/scene/linecache.h"

namespace scene {

using bank::Field;
using bank::Step;

using bank::chars;

namespace {
int number(QStringView line, Field f) { return fnd::leadingInt(bank::chars(line, f)); }
QChar charAt(QStringView line, Field f) { return scene::charAt(line, f.first); }
} // namespace

QStringView chars(QStringView line, int pos, int width) { return bank::chars(line, {pos, width}); }

QChar charAt(QStringView line, int pos)
{
    return (pos >= 1 && pos <= line.size()) ? line[pos - 1] : QChar();
}

int number(QStringView line, int pos, int width) { return fnd::leadingInt(chars(line, pos, width)); }

int digitValue(QChar c) { return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0; }

int jumpStep(QStringView digit)
{
    if (digit == u"0")
        return 0;
    const int n = fnd::leadingInt(digit);
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

QStringView paneField(QStringView line) { return chars(line, Step.pane); }

int paneSet(QStringView line)
{
    const QChar d = charAt(line, Step.pane.part({2, 1}));
    return (charAt(line, Step.pane) == u'X' && d >= u'0' && d <= u'9') ? d.unicode() - u'0' : -1;
}

bool paneOrBarIsEE(QStringView line) { return paneField(line) == u"EE" || barField(line) == u"EE"; }

QStringView barField(QStringView line) { return chars(line, Step.bars); }

int barBits(QStringView line)
{
    const QChar kind = charAt(line, Step.bars);
    if (kind != u'A' && kind != u'B' && kind != u'C')
        return 0;
    const QChar d = charAt(line, Step.bars.part({2, 1}));
    return (d >= u'1' && d <= u'7') ? d.unicode() - u'0' : 0;
}

bool barShowsExtraPanel(QStringView line) { return charAt(line, Step.bars) == u'B'; }

// ---- Operation code ---------------------------------------------------------

QStringView stepTypeText(QStringView line) { return chars(line, Step.code); }
int stepType(QStringView line) { return number(line, Step.code); }
bool isOutlineDragStep(QStringView line) { return stepTypeText(line).left(3) == u"004"; }
bool isDragAndDropStep(QStringView line) { return isOutlineDragStep(line) || stepTypeText(line).left(3) == u"005"; }
bool isListStep(QStringView line) { return charAt(line, Step.code) == u'L'; }
int listItemsLine(QStringView line) { return number(line, Step.code.part({2, 3})); }

// ---- Pictures ---------------------------------------------------------------

QStringView background(QStringView line) { return chars(line, Step.background); }

PictureArea pictureArea(QStringView line, int k)
{
    PictureArea a;
    if (k < 1 || k > 6)
        return a;
    const Field f = Step.area[size_t(k)];
    a.index = k;
    a.left = number(line, f.part(bank::Area.left));
    a.jump = charAt(line, f.part(bank::Area.jump));
    a.top = number(line, f.part(bank::Area.top));
    const QStringView name = chars(line, f.part(bank::Area.name));
    a.name = name.toString();
    a.absent = (k == 6) ? fnd::leadingInt(name) == 0 : name == HidePicture;
    a.keep = name == KeepPicture;
    return a;
}

QStringList loadedPictures(QStringView line)
{
    QStringList names;
    if (const QStringView bg = background(line); bg != KeepPicture)
        names << bg.toString();
    for (int k = 1; k <= 6; ++k)
        if (const PictureArea a = pictureArea(line, k); !a.absent && !a.keep)
            names << a.name;
    return names;
}

// ---- Boxes --------------------------------------------------------------------

static BoxSpec box(QStringView line, Field f)
{
    BoxSpec b;
    b.left = number(line, f.part(bank::Box.left));
    b.jump = charAt(line, f.part(bank::Box.jump));
    b.top = number(line, f.part(bank::Box.top));
    b.width = number(line, f.part(bank::Box.width));
    b.height = number(line, f.part(bank::Box.height));
    return b;
}

static bool allZeros(QStringView line, Field f)
{
    const QStringView field = chars(line, f);
    if (field.size() != f.width)
        return false;
    for (QChar c : field)
        if (c != u'0')
            return false;
    return true;
}

BoxSpec label1Box(QStringView line)
{
    BoxSpec b = box(line, Step.label1);
    b.absent = allZeros(line, Step.label1);
    return b;
}

BoxSpec text1Box(QStringView line)
{
    BoxSpec b = box(line, Step.text1);
    b.absent = number(line, Step.text1) == 0;
    return b;
}

BoxSpec label4Box(QStringView line)
{
    BoxSpec b = box(line, Step.label4);
    b.absent = allZeros(line, Step.label4.part(bank::Box.size));
    return b;
}

// ---- Overlays ------------------------------------------------------------------

int targetSpecPos(int k) { return (k >= 1 && k <= 3) ? Step.target[size_t(k)].first : 0; }

TargetSpec targetSpec(QStringView line, int k)
{
    TargetSpec t;
    if (k < 1 || k > 3)
        return t;
    const Field f = Step.target[size_t(k)];
    t.text = chars(line, f).toString();
    t.kind = charAt(line, f.part(bank::Target.kind));
    t.hotSpot = number(line, f.part(bank::Target.hotSpot));
    t.item = number(line, f.part(bank::Target.item));
    t.subItem = number(line, f.part(bank::Target.subItem));
    t.stem = chars(line, f.part(bank::Target.stem)).toString();
    t.jump = charAt(line, f.part(bank::Target.jump));
    return t;
}

KeyAlt keyAlt(QStringView line, int k)
{
    KeyAlt a;
    if (k < 1 || k > 3)
        return a;
    const Field f = Step.keyAlt[size_t(k)];
    a.code = number(line, f.part(bank::KeyAlt.code));
    a.present = charAt(line, f.part(bank::KeyAlt.mark)) == u'P' && a.code / 1000 == 6;
    a.shift = (a.code % 1000) / 100;
    a.keyDigits = a.code % 100;
    return a;
}

std::optional<int> menuCodeOverride(QStringView line)
{
    const Field f = Step.menuOverride;
    if (charAt(line, f.part(bank::MenuOverride.mark)) != u'R')
        return std::nullopt;
    // "RA" is written for the thousands digit 6 as well as "R8"; both read
    // the same, so such steps can be answered.
    const QChar second = charAt(line, f.part(bank::MenuOverride.family));
    if (second == u'8' || second == u'A')
        return 6000 + number(line, f.part(bank::MenuOverride.item));
    return number(line, f.part(bank::MenuOverride.code));
}

int extraPanel(QStringView line)
{
    if (charAt(line, Step.extraPanel.part(bank::Panel.mark)) != u'H')
        return 0;
    const int n = number(line, Step.extraPanel.part(bank::Panel.cell));
    return (n >= 32 && n <= 40) ? n : 0;
}

int extraPanelLeft(QStringView line) { return number(line, Step.panelLeft); }
int extraPanelTop(QStringView line) { return number(line, Step.panelTop); }

CursorSpec cursorSpec(QStringView line)
{
    CursorSpec c;
    const QChar kind = charAt(line, Step.cursor.part(bank::Cursor.kind));
    c.fileDigits = chars(line, Step.cursor.part(bank::Cursor.number)).toString();
    c.number = fnd::leadingInt(c.fileDigits);
    if (kind == u'S')
        c.kind = CursorSpec::Standard;
    else if (kind == u'M')
        c.kind = CursorSpec::Custom;
    return c;
}

QChar dropJump(QStringView line) { return charAt(line, Step.dropJump); }

// ---- Text references -------------------------------------------------------------

QStringView initialTextField(QStringView line) { return chars(line, Step.initialText); }
QStringView answerField(QStringView line) { return chars(line, Step.answer); }
int answerNumber(QStringView line) { return number(line, Step.answer); }
int initialNumber(QStringView line) { return number(line, Step.initialText); }

bool hintKeepsPlace(QStringView line) { return chars(line, Step.hintPlace) == u"0000000000"; }
int hintLeft(QStringView line) { return number(line, Step.hintLeft); }
int hintTop(QStringView line) { return number(line, Step.hintTop); }
QStringView hintField(QStringView line) { return chars(line, Step.hintText); }

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

FontSpec fontSpec(QStringView line, const SceneRules &rules)
{
    const auto part = [](Field sub) { return Step.font.part(sub); };
    FontSpec f;
    const int tenths = number(line, part(bank::Font.size));
    f.pointSize = tenths == 0 ? 9.0 : tenths / 10.0;
    const QChar a = charAt(line, part(bank::Font.align));
    if (a == u'R' || a == u'r')
        f.align = FontSpec::Right;
    else if (a == u'M' || a == u'm')
        f.align = FontSpec::Center;
    const int style = digitValue(charAt(line, part(bank::Font.style)));
    f.style = style <= 7 ? style : -1;
    f.family = fontFamily(digitValue(charAt(line, part(bank::Font.family))));
    static constexpr int text[] = {0x000000, 0x0000FF, 0xFF0000, 0x55A099};
    const int fore = digitValue(charAt(line, part(bank::Font.textColor)));
    f.textColor = fore <= (rules.textColour3 ? 3 : 2) ? text[fore] : -1;
    static constexpr int back[] = {0xFFFFFF, 0x0000FF, 0xFF0000, 0xC0C0C0, 0xFFA9AA,
                                   0xFF00FF, 0x008001, 0xCCB2B3, 0xBAE3E0, 0xFFFFE1};
    f.backColor = back[digitValue(charAt(line, part(bank::Font.backColor)))];
    return f;
}

// ---- Dialog parts ------------------------------------------------------------------

bool hasBackSpec(QStringView line) { return charAt(line, Step.backSpec) == u'Q'; }

QString backSpec(QStringView line)
{
    return hasBackSpec(line) ? chars(line, Step.backSpec).toString() : QStringLiteral("NONO");
}

int tabNumber(QChar c)
{
    if (c >= u'A' && c <= u'D')
        return 10 + (c.unicode() - u'A');
    return digitValue(c);
}

TabSpec tabSpec(QStringView line)
{
    const auto part = [](Field sub) { return Step.tabs.part(sub); };
    TabSpec t;
    t.present = charAt(line, part(bank::Tabs.mark)) == u'X';
    t.layout = charAt(line, part(bank::Tabs.layout));
    t.shownTab = tabNumber(charAt(line, part(bank::Tabs.shown)));
    t.targetTab = tabNumber(charAt(line, part(bank::Tabs.target)));
    t.pictureArea = digitValue(charAt(line, part(bank::Tabs.area)));
    return t;
}

int dragLimitX(QStringView line) { return number(line, Step.dragLimitX); }
int dragLimitY(QStringView line) { return number(line, Step.dragLimitY); }

// ---- Answer-text lines ----------------------------------------------------------

std::optional<QString> commonDataText(const QString &path, int n)
{
    const auto line = cachedLineClamped(path, n);
    if (!line)
        return std::nullopt;
    return line->mid(3);
}

std::optional<QString> lookup(const QString &path, QStringView field)
{
    if (field == u"000")
        return QString();
    return commonDataText(path, fnd::leadingInt(field));
}

QString beforeFirstBar(const QString &text)
{
    const qsizetype bar = text.indexOf(u'|');
    return bar < 0 ? text : text.left(bar);
}

QString initialBoxText(const QString &path, QStringView field)
{
    if (field == u"000")
        return QString();
    const auto line = cachedLineClamped(path, fnd::leadingInt(field));
    return line ? beforeFirstBar(*line).mid(3) : QString();
}

std::pair<QString, QString> alternatives(const QString &text)
{
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return {text, text};
    return {text.left(bar), text.mid(bar + 1)};
}

QStringList listItems(const QString &text) { return text.split(u'|'); }

} // namespace scene
