#include "demo/window/demoinfo.h"

#include "demo/window/frmyanshi.h"
#include "demo/window/lineshape.h"
#include "simwin/window/sceneinfo.h"
#include "simwin/window/twips.h"

#include <QJsonArray>

namespace demo {

namespace {
QJsonObject chromeJson(const QWidget *c, const FrmYanShi &w)
{
    const QRectF t = simwin::twipsRect(c);
    const QPoint at = c->mapTo(&w, QPoint(0, 0));
    QJsonObject o{{"name", c->objectName()},
                  {"visible", c->isVisibleTo(&w)},
                  {"twips", QJsonArray{t.x(), t.y(), t.width(), t.height()}},
                  {"px", QJsonArray{at.x(), at.y(), c->width(), c->height()}}};
    if (const auto *p = qobject_cast<const simwin::PictureBox *>(c); p && !p->pictureName().isEmpty())
        o["picture"] = p->pictureName();
    return o;
}

QJsonObject lineJson(const LineShape *l, const FrmYanShi &w)
{
    return QJsonObject{{"name", l->objectName()}, {"visible", l->isVisibleTo(&w)}, {"X1", l->X1()},
                       {"Y1", l->Y1()},           {"X2", l->X2()},                 {"Y2", l->Y2()}};
}
} // namespace

QJsonObject describe(const FrmYanShi &w)
{
    QJsonObject o = simwin::describe(w);
    QJsonArray shown;
    for (int s : w.StepsShown)
        shown.append(s);
    o["player"] = QJsonObject{
        {"DemoStep", w.DemoStep},       {"PointX", w.PointX},           {"PointY", w.PointY},
        {"MbX", w.MbX},                 {"MbY", w.MbY},                 {"StepLen", w.StepLen},
        {"StepX", w.StepX},             {"StepY", w.StepY},             {"TickCount", w.TickCount},
        {"TypeText", w.TypeText},       {"TypePos", w.TypePos},         {"DragPhase", w.DragPhase},
        {"JumpStep", w.JumpStep},       {"AimZHU", w.AimZHU},           {"Aim1J", w.Aim1J},
        {"Aim2J", w.Aim2J},             {"DragEndX", w.DragEndX},       {"DragEndY", w.DragEndY},
        {"HintText", w.HintText},       {"Label1Width", w.Label1Width}, {"Label1Height", w.Label1Height},
        {"TabLayout", w.TabLayout.left(1)}, {"TabTarget", w.TabTarget}, {"TabImage", w.TabImage},
        {"TabCount", w.TabCount},       {"TabRow", w.TabRow},           {"TabLeft", w.TabLeft},
        {"TabTop", w.TabTop},           {"PopMenuNo", w.PopMenuNo},     {"StepsShown", shown},
    };
    QJsonArray timers;
    for (const QTimer *t : w.findChildren<QTimer *>())
        if (t->isActive() && !t->objectName().isEmpty())
            timers.append(t->objectName());
    o["timers"] = timers;
    o["TimEnd"] = w.TimEnd->isActive();
    o["Timer4"] = w.Timer[4]->isActive();

    QJsonArray chrome;
    for (const QWidget *c : {static_cast<const QWidget *>(w.PicMenu), static_cast<const QWidget *>(w.PicTool),
                             static_cast<const QWidget *>(w.PicHui), static_cast<const QWidget *>(w.PicElse),
                             static_cast<const QWidget *>(w.ImgMenu), static_cast<const QWidget *>(w.ImgTool),
                             static_cast<const QWidget *>(w.ImgHui), static_cast<const QWidget *>(w.ImgElse),
                             static_cast<const QWidget *>(w.Pic1J), static_cast<const QWidget *>(w.Img1J),
                             static_cast<const QWidget *>(w.Pic2J)})
        chrome.append(chromeJson(c, w));
    // The cells and items that have an area.
    auto placed = [](const QWidget *c) { return !simwin::twipsRect(c).size().isEmpty(); };
    for (const auto *cell : w.LblZHU)
        if (placed(cell))
            chrome.append(chromeJson(cell, w));
    for (int i = 1; i <= FrmYanShi::MenuItems; ++i)
        for (const auto *item : {w.Lbl1J[size_t(i)], w.Lbl2J[size_t(i)]})
            if (placed(item))
                chrome.append(chromeJson(item, w));
    o["chrome"] = chrome;

    QJsonArray lines;
    for (const LineShape *l : w.findChildren<LineShape *>())
        lines.append(lineJson(l, w));
    o["lines"] = lines;

    // The pointer's drag picture, the click ring with its colour, the band.
    QJsonObject pointer;
    pointer["ImgICO"] = chromeJson(w.ImgICO, w);
    QJsonObject ring = chromeJson(w.Shape5, w);
    ring["color"] = w.Shape5->borderColor().name();
    pointer["Shape5"] = ring;
    pointer["Shape6"] = chromeJson(w.Shape6, w);
    o["pointer"] = pointer;

    // The drawn right-click menu and its cascade, shown or not.
    QJsonArray menus;
    auto menuControl = [&](const QWidget *c) {
        QJsonObject m = chromeJson(c, w);
        if (const auto *l = qobject_cast<const QLabel *>(c))
            m["caption"] = l->text();
        menus.append(m);
    };
    menuControl(w.LRightMMenu);
    menuControl(w.ShapeRMain);
    for (int k : {1, 3, 5, 7, 8}) {
        menuControl(w.LRMJL[size_t(k)]);
        menuControl(w.ImgJLSanjiao[size_t(k)]);
    }
    for (const auto *array : {&w.LRM2, &w.LRM4, &w.LRM6, &w.LRM9})
        for (const QLabel *l : *array)
            menuControl(l);
    menuControl(w.LRightSub);
    menuControl(w.ShapeRSUB);
    for (const QLabel *l : w.LRS)
        menuControl(l);
    o["drawnMenus"] = menus;
    return o;
}

} // namespace demo
