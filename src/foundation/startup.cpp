#include "foundation/startup.h"

#include "foundation/singleinstance.h"
#include "foundation/ui/display.h"
#include "foundation/ui/frmstart.h"

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

namespace {
EndCatcher *catcher = nullptr;
} // namespace

EndCatcher::EndCatcher() : previous_(catcher) { catcher = this; }
EndCatcher::~EndCatcher() { catcher = previous_; }

void endProgram()
{
    if (catcher) {
        ++catcher->ends_;
        return;
    }
    single::release();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace startup
