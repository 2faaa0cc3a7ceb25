// The drawn right-click menu. For now it hands over as the drawn menu will:
// its glide timer's tick ends the step with the click ring.
#include "demo/window/frmyanshi.h"

#include "run/runstate.h"

void FrmYanShi::RightKeyMenu()
{
    if (!run::YanShiRun)
        return;
    enable(TimerRM);
}

void FrmYanShi::TimerRM_Timer()
{
    if (!run::YanShiRun)
        return;
    TimerRM->stop();
    ringAtPointer();
    doNext();
}
