#include "simwin/scene/scenestate.h"

#include "examflow/questionlabels.h"

namespace scene {

void resetSceneState()
{
    StepLine.clear();
    StepNo = 1;
    TmStep.fill(0);
    for (auto &pics : TmPics)
        pics.fill(QString());
    qwin::resetCaptions();
}

} // namespace scene
