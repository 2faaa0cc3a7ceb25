#include "foundation/productinfo.h"

namespace fnd {

void readInfo() {}

} // namespace fnd
