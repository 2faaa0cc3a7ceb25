#include "foundation/startup.h"

#include "foundation/singleinstance.h"

#include <cstdio>
#include <cstdlib>

namespace startup {

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
