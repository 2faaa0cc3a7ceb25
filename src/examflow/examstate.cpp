#include "examflow/examstate.h"

namespace exam {

void resetExamState()
{
    CurHKL = 0;
    CandSeat.clear();
    CandSession.clear();
    CandArchive.clear();
    CandIdCard.clear();
}

} // namespace exam
