#include "run/runstate.h"

namespace run {

void resetRunState()
{
    PaperType = 0;
    TaoNo = 0;
    RecNo = 0;
    TmNo = 1;
    TmSum = 0;
    TmId.fill(0);
    TmState.fill(0);
    TmDone.fill(QString());
    StepStart.fill(0);
    AnswerMode = 2;
    LeftMinutes = 50;
    ExamStart.clear();
    TmCanUnload = false;
    StepFile.clear();
    TmFile.clear();
    CommonDataFile.clear();
    TmLine.clear();
    UseIME = false;
    YanShiRun = false;
    BankVersion.clear();
    PaperCount = 0;
    UnitCount = 0;
}

} // namespace run
