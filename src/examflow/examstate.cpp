#include "examflow/examstate.h"

namespace exam {

void resetExamState() { CurHKL = 0; }

} // namespace exam
