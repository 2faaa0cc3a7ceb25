#include "examflow/questionloader.h"

#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

namespace exam {

void openRun()
{
    for (int i = 1; i <= run::MaxQuestions; ++i)
        scene::TmStep[i] = 1;
    loadQuestion();
}

void loadQuestion()
{
    const int tm = std::clamp<int>(run::TmNo, 1, run::MaxQuestions);
    FrmMain &w = FrmMain::get();
    // A name that gives no loadable file leaves that picture as it was.
    w.loadPicture(fnd::dataFile(scene::TmPics[tm][0]));
    for (int k = 1; k <= 6; ++k)
        w.Image[k]->loadPicture(fnd::dataFile(scene::TmPics[tm][k]));
    w.Timer2->start();
    if (!(run::TmState[tm] & 1))
        run::TmState[tm] += 1;
    scene::StepNo = scene::TmStep[tm];
    if (run::AnswerMode != 3)
        run::AnswerMode = 2;
    if (w.maximisedByRule())
        w.showMaximized();
    else
        w.showNormal();
}

} // namespace exam
