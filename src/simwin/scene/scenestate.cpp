#include "simwin/scene/scenestate.h"

namespace scene {

void resetSceneState()
{
    StepLine.clear();
    StepNo = 1;
    TmStep.fill(0);
    for (auto &pics : TmPics)
        pics.fill(QString());
}

} // namespace scene
