#include "steprecord.h"

namespace bankgen {

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')).right(width);
}

StepRecord::StepRecord(const QString &code) : s_(kLength, u'0')
{
    if (code.size() != 4)
        problems_ << QStringLiteral("operation code \"%1\" is not four characters").arg(code);
    put(8, code.left(4), "code");
    put(12, QStringLiteral("888888"), "background"); // keep the scene's picture unless named
}

void StepRecord::put(int pos, const QString &text, const char *owner)
{
    for (int i = 0; i < text.size(); ++i) {
        const int p = pos + i;
        if (p < 1 || p > kLength) {
            problems_ << QStringLiteral("%1 runs past character %2").arg(QLatin1String(owner)).arg(kLength);
            return;
        }
        if (owner_[p] && qstrcmp(owner_[p], owner) != 0)
            problems_ << QStringLiteral("%1 and %2 both use character %3")
                             .arg(QLatin1String(owner_[p]), QLatin1String(owner))
                             .arg(p);
        owner_[p] = owner;
        s_[p - 1] = text[i];
    }
}

static QString number(QStringList &problems, int value, int width, const char *what)
{
    if (value < 0 || digits(value, width).toInt() != value)
        problems << QStringLiteral("%1 %2 does not fit %3 digits").arg(QLatin1String(what)).arg(value).arg(width);
    return digits(value, width);
}

StepRecord &StepRecord::pane(const QString &two) { put(4, two.left(2), "pane"); return *this; }
StepRecord &StepRecord::bars(const QString &two) { put(6, two.left(2), "bars"); return *this; }

StepRecord &StepRecord::background(const QString &name)
{
    if (name.size() != 6)
        problems_ << QStringLiteral("background \"%1\" is not six characters").arg(name);
    put(12, name.left(6), "background");
    return *this;
}

StepRecord &StepRecord::area(int k, int left, int top, const QString &name, QChar jump)
{
    static const int at[] = {0, 18, 34, 50, 135, 151, 197};
    if (k < 1 || k > 6) {
        problems_ << QStringLiteral("picture area %1 does not exist").arg(k);
        return *this;
    }
    if (name.size() != 6)
        problems_ << QStringLiteral("picture \"%1\" is not six characters").arg(name);
    const QString f = number(problems_, left, 5, "area left") + jump + number(problems_, top, 4, "area top") + name.left(6);
    put(at[k], f, "picture area");
    return *this;
}

static QString box(QStringList &problems, const Tw &r, QChar jump)
{
    return number(problems, r.l, 5, "box left") + jump + number(problems, r.t, 4, "box top")
        + number(problems, r.w, 5, "box width") + number(problems, r.h, 5, "box height");
}

StepRecord &StepRecord::label1(const Tw &r, QChar jump) { put(66, box(problems_, r, jump), "Label1"); return *this; }

StepRecord &StepRecord::text1(const Tw &r)
{
    // The text box has no jump digit: char 91 is the first digit of its top.
    const QString f = number(problems_, r.l, 5, "text left") + number(problems_, r.t, 5, "text top")
        + number(problems_, r.w, 5, "text width") + number(problems_, r.h, 5, "text height");
    put(86, f, "Text1");
    return *this;
}

StepRecord &StepRecord::target(int n, const QString &field)
{
    static const int at[] = {0, 125, 86, 96};
    if (n < 1 || n > 3 || field.size() > 10) {
        problems_ << QStringLiteral("target %1 \"%2\" is not valid").arg(n).arg(field);
        return *this;
    }
    put(at[n], field + QString(10 - field.size(), u'0'), "target");
    return *this;
}

StepRecord &StepRecord::keyAlt(int n, int keyCode)
{
    static const int at[] = {0, 86, 91, 96};
    if (n < 1 || n > 3 || keyCode < 6000 || keyCode > 6999) {
        problems_ << QStringLiteral("key alternative %1 (%2) is not valid").arg(n).arg(keyCode);
        return *this;
    }
    put(at[n], u'P' + digits(keyCode, 4), "key alternative");
    return *this;
}

StepRecord &StepRecord::menuOverride(const QString &five)
{
    if (five.size() != 5 || five[0] != u'R')
        problems_ << QStringLiteral("menu override \"%1\" is not R and four characters").arg(five);
    put(86, five.left(5), "menu override");
    return *this;
}

StepRecord &StepRecord::panel(int nn, int left, int top, int item, QChar jump)
{
    if (nn < 32 || nn > 40)
        problems_ << QStringLiteral("extra panel %1 is not 32 to 40").arg(nn);
    put(86, u'H' + digits(nn, 2) + digits(item, 2) + QStringLiteral("0000") + jump, "extra panel");
    put(96, number(problems_, left, 5, "panel left"), "extra panel");
    put(102, number(problems_, top, 4, "panel top"), "extra panel");
    return *this;
}

StepRecord &StepRecord::cursor(const QString &five)
{
    if (five.size() != 5)
        problems_ << QStringLiteral("cursor \"%1\" is not five characters").arg(five);
    put(101, five.left(5), "cursor");
    return *this;
}

StepRecord &StepRecord::initialText(int line) { put(106, number(problems_, line, 3, "initial text"), "initial text"); return *this; }
StepRecord &StepRecord::answer(int line) { put(109, number(problems_, line, 3, "answer"), "answer"); return *this; }

StepRecord &StepRecord::hint(int left, int top, int line)
{
    put(112, number(problems_, left, 5, "hint left") + number(problems_, top, 5, "hint top"), "hint");
    put(122, number(problems_, line, 3, "hint text"), "hint");
    return *this;
}

StepRecord &StepRecord::font(const QString &ten)
{
    if (ten.size() != 10)
        problems_ << QStringLiteral("font \"%1\" is not ten characters").arg(ten);
    put(125, ten.left(10), "font");
    return *this;
}

StepRecord &StepRecord::backSpec(int stepsBack, int cancelLeft, int cancelTop)
{
    put(125, u'Q' + number(problems_, stepsBack, 4, "steps back"), "back spot");
    put(167, number(problems_, cancelLeft, 5, "cancel left") + number(problems_, cancelTop, 5, "cancel top"), "back spot");
    return *this;
}

QChar StepRecord::tabChar(int n)
{
    if (n >= 1 && n <= 9)
        return QChar(u'0' + n);
    if (n >= 10 && n <= 13)
        return QChar(u'A' + (n - 10));
    return u'0';
}

StepRecord &StepRecord::tabs(QChar layout, int shown, int target, int area)
{
    if (layout < u'A' || layout > u'P' || tabChar(shown) == u'0' || tabChar(target) == u'0' || area < 1 || area > 5)
        problems_ << QStringLiteral("tab strip %1 %2 %3 %4 is not valid").arg(layout).arg(shown).arg(target).arg(area);
    put(130, QStringLiteral("X") + layout + tabChar(shown) + tabChar(target) + QChar(u'0' + area), "tab strip");
    return *this;
}

StepRecord &StepRecord::dragLimit(int x, int y)
{
    put(167, number(problems_, x, 5, "drag limit x") + number(problems_, y, 5, "drag limit y"), "drag limit");
    return *this;
}

StepRecord &StepRecord::label4(const Tw &r, QChar jump) { put(177, box(problems_, r, jump), "Label4"); return *this; }

QString StepRecord::keyCode(int shift, int key)
{
    return u'6' + digits(shift, 1) + digits(key, 2);
}

} // namespace bankgen
