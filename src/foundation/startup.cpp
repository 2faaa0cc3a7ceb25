#include "foundation/startup.h"

#include "foundation/display.h"
#include "foundation/frmstart.h"
#include "foundation/singleinstance.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace startup {

int run(QApplication &app)
{
    fnd::installFontSubstitutions();
    // The load refuses a second instance (and ends the program there).
    FrmStart &start = FrmStart::get();
    fnd::centreOnScreen(&start);
    start.show();
    return app.exec();
}

void endProgram()
{
    single::release();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace startup
