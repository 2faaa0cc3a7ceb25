#include "demo/window/demoinfo.h"

#include "demo/window/frmyanshi.h"
#include "simwin/window/sceneinfo.h"

namespace demo {

QJsonObject describe(const FrmYanShi &w)
{
    QJsonObject o = simwin::describe(w);
    o["player"] = QJsonObject{
        {"DemoStep", w.DemoStep},       {"TypeText", w.TypeText},       {"TypePos", w.TypePos},
        {"TickCount", w.TickCount},     {"DragPhase", w.DragPhase},     {"JumpStep", w.JumpStep},
        {"AimZHU", w.AimZHU},           {"Aim1J", w.Aim1J},             {"Aim2J", w.Aim2J},
        {"DragEndX", w.DragEndX},       {"DragEndY", w.DragEndY},       {"HintText", w.HintText},
        {"Label1Width", w.Label1Width}, {"Label1Height", w.Label1Height}, {"TabLayout", w.TabLayout.left(1)},
        {"TabTarget", w.TabTarget},     {"TabImage", w.TabImage},       {"TabCount", w.TabCount},
        {"TabRow", w.TabRow},           {"TabLeft", w.TabLeft},         {"TabTop", w.TabTop},
        {"PopMenuNo", w.PopMenuNo},
    };
    o["TimEnd"] = w.TimEnd->isActive();
    o["Timer4"] = w.Timer[4]->isActive();
    return o;
}

} // namespace demo
