#include "foundation/startup.h"

#include "foundation/singleinstance.h"

#include <cstdio>
#include <cstdlib>

namespace fnd {

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
    releaseSingleInstance();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace fnd
