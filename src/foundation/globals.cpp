#include "foundation/globals.h"

namespace fnd {

void resetGlobals()
{
    XBiLi = YBiLi = 1.0;
    InfoTable = {};
    ExamTitle.clear();
    ModuleName.clear();
    DataPath.clear();
    ModuleNo = 0;
    UnitTable = {};
    AppTitle.clear();
    CandName.clear();
    OsVer.clear();
    ErrLogFile.clear();
    ErrSub.clear();
    ErrNo = 0;
    ErrDescript.clear();
    MsgResult = 0;
}

} // namespace fnd
