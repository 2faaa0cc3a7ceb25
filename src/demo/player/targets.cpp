// The pointer's target of each step.
#include "demo/window/frmyanshi.h"

#include "run/runstate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/scenestate.h"

void FrmYanShi::MuBiaoWei()
{
    if (!run::YanShiRun)
        return;
    if (scene::stepTypeText(scene::StepLine) == u"8888") {
        enable(Timer[4]);
        Timer[2]->stop();
    }
}
