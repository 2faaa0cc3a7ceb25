#include "examflow/examstate.h"

#include "examflow/questionlabels.h"

namespace exam {

void resetExamState()
{
    CurHKL = 0;
    exam::resetCaptions();
}

} // namespace exam
