#include "foundation/startup.h"

#include <QApplication>

namespace startup {
int run(QApplication &app)
{
    // The start-up window takes over here once it exists.
    return 0;
    Q_UNUSED(app);
}
} // namespace startup
