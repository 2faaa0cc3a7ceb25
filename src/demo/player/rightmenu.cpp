// The drawn right-click menu and its cascade sub-menu: the step's block of
// the context-menu file (read through the same reader and cache as the
// simulated window's pop-up) laid out as labels on a white panel at the
// pointer, kept inside the window, the red box and the glide to the entry
// the step's code names (TimerRM); a cascade entry opens its sub-menu beside
// the menu and the glide goes on to the sub-item (TimerRS).
#include "demo/window/frmyanshi.h"

#include "demo/player/motion.h"
#include "demo/window/lineshape.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "run/runstate.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <span>

using fnd::XBiLi;
using fnd::YBiLi;

namespace {

// The cascade entry (1, 3, 5, 7, 8) of each caption line, and the block
// line of each cascade's items.
int cascadeOfCaptionLine(int line)
{
    switch (line) {
    case 2: return 1;
    case 5: return 3;
    case 8: return 5;
    case 11: return 7;
    case 13: return 8;
    default: return 0;
    }
}
int cascadeItemsLine(int k)
{
    switch (k) {
    case 1: return 3;
    case 3: return 6;
    case 5: return 9;
    case 7: return 12;
    case 8: return 14;
    default: return 0;
    }
}
bool isCascade(int t) { return t == 1 || t == 3 || t == 5 || t == 7 || t == 8; }
bool isGroup(int t) { return t == 2 || t == 4 || t == 6 || t == 9; }

// A label's caption, auto-sized to it, at (left, top).
void caption(QLabel *l, const QString &text, double left, double top)
{
    l->setText(text);
    l->adjustSize();
    simwin::syncTwipsFromPixels(l);
    simwin::moveTwips(l, left, top);
    l->show();
}

void moveBy(QWidget *w, double dx, double dy)
{
    const QRectF r = simwin::twipsRect(w);
    simwin::moveTwips(w, r.left() + dx, r.top() + dy);
}

void moveBy(demo::LineShape *l, double dx, double dy)
{
    l->setLine(l->X1() + dx, l->Y1() + dy, l->X2() + dx, l->Y2() + dy);
}

// An item line laid out from y: its first ten items, each "-" on the next
// separator line while one is left (a separator takes its 135 all the
// same), each other item on its label at left + 300, 270 apart. The labels
// it filled are marked in drawn; widest keeps the widest label (whole twips).
void layOutItems(const QString &line, const std::array<QLabel *, 10> &labels, std::span<demo::LineShape *const> lines,
                 int &separators, double left, double &y, int &widest, std::array<bool, 10> &drawn)
{
    const QStringList items = chk::menuItems(line);
    for (int i = 0; i < items.size() && i < 10; ++i) {
        if (items[i] == u"-") {
            if (separators < int(lines.size())) {
                demo::LineShape *sep = lines[size_t(separators)];
                sep->setLine(left + 60, y, sep->X2(), y);
                sep->show();
            }
            ++separators;
            y += 135;
            continue;
        }
        QLabel *label = labels[size_t(i)];
        caption(label, items[i], left + 300, y);
        widest = std::max(widest, int(demo::roundTo32(simwin::twipsWidth(label))));
        drawn[size_t(i)] = true;
        y += 270;
    }
}

} // namespace

// The step's menu: the code (an "R" override of characters 86-90 gives it;
// "RA" + three digits is 6000 + them), its family (the code's own first
// digit 3 or 4 wins) and menu number, and the block the simulated window's
// pop-up gets for them (an empty one for no family or menu 0).
chk::MenuBlock FrmYanShi::rightMenuBlock()
{
    const QString &line = scene::StepLine;
    const QStringView op = scene::stepTypeText(line);
    StepType = fnd::leadingInt(op);
    const QStringView over = scene::chars(line, 86, 5);
    if (scene::charAt(over, 1) == u'R')
        StepType = fnd::leadingInt(over.mid(1, 4));
    if (over.startsWith(u"RA"))
        StepType = 6000 + fnd::leadingInt(over.mid(2, 3));
    int family = chk::menuFamily(StepType);
    if (op.startsWith(u'3'))
        family = 1;
    if (op.startsWith(u'4'))
        family = 2;
    PopMenuNo = (StepType / 100) % 10;
    return chk::readMenuBlock(chk::menuFilePath(), family, PopMenuNo);
}

void FrmYanShi::RightKeyMenu()
{
    if (!run::YanShiRun)
        return;
    const chk::MenuBlock block = rightMenuBlock();
    auto lineOf = [&](int k) { return block.lines[size_t(k)].value_or(QString()); };

    for (QWidget *bar : {static_cast<QWidget *>(PicMenu), static_cast<QWidget *>(PicTool),
                         static_cast<QWidget *>(PicHui)})
        bar->hide();
    const double left = PointX, top = PointY;
    simwin::moveTwips(LRightMMenu, left, top);
    simwin::moveTwips(ShapeRMain, left, top);
    LRightMMenu->show();
    ShapeRMain->show();

    // The entries top to bottom; which of them this menu drew.
    double y = demo::roundTo16(top + 90);
    int widest = 0, separators = 0;
    std::array<bool, 9> cascadeDrawn{};
    struct Group
    {
        int line, digit;
        std::array<QLabel *, 10> &labels;
        std::array<bool, 10> drawn{};
    };
    std::array<Group, 4> groups{Group{4, 2, LRM2}, Group{7, 4, LRM4}, Group{10, 6, LRM6}, Group{15, 9, LRM9}};
    for (int lineNo : {2, 4, 5, 7, 8, 10, 11, 13, 15}) {
        const QString text = lineOf(lineNo);
        if (text == u"0")
            continue;
        if (const int k = cascadeOfCaptionLine(lineNo)) {
            caption(LRMJL[size_t(k)], text, left + 300, y);
            simwin::setTwipsTop(ImgJLSanjiao[size_t(k)], y + 30);
            ImgJLSanjiao[size_t(k)]->show();
            cascadeDrawn[size_t(k)] = true;
            y += 270;
            continue;
        }
        for (Group &g : groups)
            if (g.line == lineNo)
                layOutItems(text, g.labels, LRFGX, separators, left, y, widest, g.drawn);
    }

    const double width = widest + 690, height = y - top;
    simwin::resizeTwips(LRightMMenu, width, height);
    simwin::resizeTwips(ShapeRMain, width, height);
    for (int k : {1, 3, 5, 7, 8})
        simwin::setTwipsLeft(ImgJLSanjiao[size_t(k)], left + width - 180);
    for (demo::LineShape *sep : LRFGX)
        sep->setX2(sep->X1() + width - 120);

    // Kept inside the window: to the pointer's left with too little room on
    // its right, then lifted above the bottom edge.
    QList<QWidget *> menu{LRightMMenu, ShapeRMain};
    for (const Group &g : groups)
        for (QLabel *l : g.labels)
            menu << l;
    for (int k : {1, 3, 5, 7, 8})
        menu << LRMJL[size_t(k)] << ImgJLSanjiao[size_t(k)];
    const QRectF window = simwin::twipsRect(this);
    double dx = 0, dy = 0;
    if (left + width >= window.width() - width)
        dx = -width;
    if (top + height >= window.height() - 300 * YBiLi)
        dy = -((top + height) - (window.height() - 600 * YBiLi));
    if (dx != 0 || dy != 0) {
        for (QWidget *c : menu)
            moveBy(c, dx, dy);
        for (demo::LineShape *sep : LRFGX)
            moveBy(sep, dx, dy);
    }

    // The entry the code's own tens and units digits name; one this menu did
    // not draw is aimed at the menu's centre and clicked as a plain item.
    const QString &line = scene::StepLine;
    const int t = scene::digitValue(scene::charAt(line, 10));
    const int u = scene::digitValue(scene::charAt(line, 11));
    const QWidget *aimed = nullptr;
    for (const Group &g : groups)
        if (g.digit == t && g.drawn[size_t(u)])
            aimed = g.labels[size_t(u)];
    if (isCascade(t) && cascadeDrawn[size_t(t)])
        aimed = LRMJL[size_t(t)];
    rightMenuEntryDrawn_ = aimed != nullptr;
    aimAtCentre(aimed ? aimed : LRightMMenu);
    const QRectF panel = simwin::twipsRect(LRightMMenu);
    simwin::setTwipsRect(Shape1, panel.left(), MbY - 135 * YBiLi, panel.width(), 270 * YBiLi);
    setUpMotion();
    enable(TimerRM);
}

void FrmYanShi::TimerRM_Timer()
{
    if (!run::YanShiRun || !glideStep())
        return;
    const int t = scene::digitValue(scene::charAt(scene::StepLine, 10));
    if (isGroup(t) || !rightMenuEntryDrawn_) {
        ringAtPointer();
        TimerRM->stop();
        doNext();
    } else {
        TimerRM->stop();
        RightKeySub();
    }
    TimerRM->stop();
}

void FrmYanShi::RightKeySub()
{
    if (!run::YanShiRun)
        return;
    const chk::MenuBlock block = rightMenuBlock();
    const QString &line = scene::StepLine;
    const int k = scene::digitValue(scene::charAt(line, 10));
    const int u = scene::digitValue(scene::charAt(line, 11));
    LRightSub->show();
    ShapeRSUB->show();
    const QRectF menu = simwin::twipsRect(LRightMMenu);
    const double left = menu.left() + menu.width() - 60;
    const double top = isCascade(k) ? simwin::twipsTop(LRMJL[size_t(k)]) : menu.top();
    simwin::moveTwips(LRightSub, left, top);
    simwin::moveTwips(ShapeRSUB, left, top);

    double y = demo::roundTo16(top + 135);
    int widest = 0, separators = 0;
    std::array<bool, 10> drawn{};
    layOutItems(block.lines[size_t(cascadeItemsLine(k))].value_or(QString()), LRS, LRSFgx, separators, left, y,
                widest, drawn);
    const double width = widest + 690, height = y - top;
    simwin::resizeTwips(LRightSub, width, height);
    simwin::resizeTwips(ShapeRSUB, width, height);
    for (demo::LineShape *sep : LRSFgx)
        sep->setX2(sep->X1() + width - 120);

    // The sub-item; one the sub-menu did not draw: its centre.
    if (drawn[size_t(u)]) {
        aimAtCentre(LRS[size_t(u)]);
        simwin::setTwipsRect(Shape1, left, simwin::twipsTop(LRS[size_t(u)]) - 60, width, 285);
    } else {
        aimAtCentre(LRightSub);
        simwin::setTwipsRect(Shape1, left, MbY - 142.5, width, 285);
    }
    setUpMotion();
    enable(TimerRS);
}

void FrmYanShi::TimerRS_Timer()
{
    if (!run::YanShiRun || !glideStep())
        return;
    ringAtPointer();
    TimerRS->stop();
    doNext();
}
