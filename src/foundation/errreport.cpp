#include "foundation/errreport.h"

#include "foundation/globals.h"

namespace fnd {

void ErrReport() {}

void trapError(const QString &tag, long number, const QString &description)
{
    ErrSub = tag;
    ErrNo = number;
    ErrDescript = description;
    ErrReport();
}

} // namespace fnd
