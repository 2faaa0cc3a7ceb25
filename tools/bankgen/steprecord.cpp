#include "steprecord.h"

#include "bank/bankfiles.h"

namespace bankgen {

using bank::Step;

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')).right(width);
}

StepRecord::StepRecord(const QString &code) : s_(kLength, u'0')
{
    if (code.size() != 4)
        problems_ << QStringLiteral("operation code \"%1\" is not four characters").arg(code);
    put(Step.code.first, code.left(4), "code");
    put(Step.background.first, QStringLiteral("888888"), "background"); // keep the scene's picture unless named
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

StepRecord &StepRecord::pane(const QString &two) { put(Step.pane.first, two.left(2), "pane"); return *this; }
StepRecord &StepRecord::bars(const QString &two) { put(Step.bars.first, two.left(2), "bars"); return *this; }

StepRecord &StepRecord::background(const QString &name)
{
    if (name.size() != 6)
        problems_ << QStringLiteral("background \"%1\" is not six characters").arg(name);
    put(Step.background.first, name.left(6), "background");
    return *this;
}

StepRecord &StepRecord::area(int k, int left, int top, const QString &name, QChar jump)
{
    if (k < 1 || k > 6) {
        problems_ << QStringLiteral("picture area %1 does not exist").arg(k);
        return *this;
    }
    if (name.size() != 6)
        problems_ << QStringLiteral("picture \"%1\" is not six characters").arg(name);
    const QString f = number(problems_, left, bank::Area.left.width, "area left") + jump
        + number(problems_, top, bank::Area.top.width, "area top") + name.left(6);
    put(Step.area[size_t(k)].first, f, "picture area");
    return *this;
}

static QString box(QStringList &problems, const Tw &r, QChar jump)
{
    return number(problems, r.l, bank::Box.left.width, "box left") + jump
        + number(problems, r.t, bank::Box.top.width, "box top") + number(problems, r.w, bank::Box.width.width, "box width")
        + number(problems, r.h, bank::Box.height.width, "box height");
}

StepRecord &StepRecord::label1(const Tw &r, QChar jump) { put(Step.label1.first, box(problems_, r, jump), "Label1"); return *this; }

StepRecord &StepRecord::text1(const Tw &r)
{
    // The text box has no jump: its jump character stays "0".
    put(Step.text1.first, box(problems_, r, u'0'), "Text1");
    return *this;
}

StepRecord &StepRecord::target(int n, const QString &field)
{
    if (n < 1 || n > 3 || field.size() > 10) {
        problems_ << QStringLiteral("target %1 \"%2\" is not valid").arg(n).arg(field);
        return *this;
    }
    put(Step.target[size_t(n)].first, field + QString(10 - field.size(), u'0'), "target");
    return *this;
}

StepRecord &StepRecord::keyAlt(int n, int keyCode)
{
    if (n < 1 || n > 3 || keyCode < 6000 || keyCode > 6999) {
        problems_ << QStringLiteral("key alternative %1 (%2) is not valid").arg(n).arg(keyCode);
        return *this;
    }
    put(Step.keyAlt[size_t(n)].first, u'P' + digits(keyCode, bank::KeyAlt.code.width), "key alternative");
    return *this;
}

StepRecord &StepRecord::menuOverride(const QString &five)
{
    if (five.size() != 5 || five[0] != u'R')
        problems_ << QStringLiteral("menu override \"%1\" is not R and four characters").arg(five);
    put(Step.menuOverride.first, five.left(5), "menu override");
    return *this;
}

StepRecord &StepRecord::panel(int nn, int left, int top, int item, QChar jump)
{
    if (nn < 32 || nn > 40)
        problems_ << QStringLiteral("extra panel %1 is not 32 to 40").arg(nn);
    put(Step.extraPanel.first, u'H' + digits(nn, 2) + digits(item, 2) + QStringLiteral("0000") + jump, "extra panel");
    put(Step.panelLeft.first, number(problems_, left, Step.panelLeft.width, "panel left"), "extra panel");
    put(Step.panelTop.first, number(problems_, top, Step.panelTop.width, "panel top"), "extra panel");
    return *this;
}

StepRecord &StepRecord::cursor(const QString &five)
{
    if (five.size() != 5)
        problems_ << QStringLiteral("cursor \"%1\" is not five characters").arg(five);
    put(Step.cursor.first, five.left(5), "cursor");
    return *this;
}

StepRecord &StepRecord::initialText(int line)
{
    put(Step.initialText.first, number(problems_, line, Step.initialText.width, "initial text"), "initial text");
    return *this;
}

StepRecord &StepRecord::answer(int line)
{
    put(Step.answer.first, number(problems_, line, Step.answer.width, "answer"), "answer");
    return *this;
}

StepRecord &StepRecord::hint(int left, int top, int line)
{
    put(Step.hintLeft.first, number(problems_, left, Step.hintLeft.width, "hint left"), "hint");
    put(Step.hintTop.first, number(problems_, top, Step.hintTop.width, "hint top"), "hint");
    put(Step.hintText.first, number(problems_, line, Step.hintText.width, "hint text"), "hint");
    return *this;
}

StepRecord &StepRecord::font(const QString &ten)
{
    if (ten.size() != 10)
        problems_ << QStringLiteral("font \"%1\" is not ten characters").arg(ten);
    put(Step.font.first, ten.left(10), "font");
    return *this;
}

StepRecord &StepRecord::backSpec(int stepsBack, int cancelLeft, int cancelTop)
{
    put(Step.backSpec.first, u'Q' + number(problems_, stepsBack, Step.backSpec.width - 1, "steps back"), "back spot");
    // The Cancel spot's place is written where a drag's limits go.
    put(Step.dragLimitX.first, number(problems_, cancelLeft, Step.dragLimitX.width, "cancel left"), "back spot");
    put(Step.dragLimitY.first, number(problems_, cancelTop, Step.dragLimitY.width, "cancel top"), "back spot");
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
    put(Step.tabs.first, QStringLiteral("X") + layout + tabChar(shown) + tabChar(target) + QChar(u'0' + area), "tab strip");
    return *this;
}

StepRecord &StepRecord::dragLimit(int x, int y)
{
    put(Step.dragLimitX.first, number(problems_, x, Step.dragLimitX.width, "drag limit x"), "drag limit");
    put(Step.dragLimitY.first, number(problems_, y, Step.dragLimitY.width, "drag limit y"), "drag limit");
    return *this;
}

StepRecord &StepRecord::label4(const Tw &r, QChar jump) { put(Step.label4.first, box(problems_, r, jump), "Label4"); return *this; }

QString StepRecord::keyCode(int shift, int key)
{
    return u'6' + digits(shift, 1) + digits(key, 2);
}

} // namespace bankgen
