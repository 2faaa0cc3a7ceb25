#include "examflow/examstate.h"

#include "examflow/questionlabels.h"

namespace exam {

void resetExamState()
{
    CurHKL = 0;
    qwin::resetCaptions();
}

} // namespace exam
