#pragma once
// Error reporting: the trapped error's tag, number and text go to the error
// endpoint (when one is configured) and to this run's error log.

#include <QString>

namespace fnd {

// Reports ErrSub, ErrNo and ErrDescript.
void ErrReport();

// Stores the three fields and reports them: what a trapping procedure does
// before it goes on with its next statement.
void trapError(const QString &tag, long number, const QString &description);

} // namespace fnd
