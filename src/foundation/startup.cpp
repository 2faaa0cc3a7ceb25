#include "foundation/startup.h"

#include "foundation/singleinstance.h"

#include <cstdio>
#include <cstdlib>

namespace fnd {

namespace {
EndCatcher *catcher = nullptr;
void (*endObserver)() = nullptr;
} // namespace

void setEndObserver(void (*observer)()) { endObserver = observer; }

EndCatcher::EndCatcher() : previous_(catcher) { catcher = this; }
EndCatcher::~EndCatcher() { catcher = previous_; }

void endProgram()
{
    if (catcher) {
        ++catcher->ends_;
        return;
    }
    releaseSingleInstance();
    if (endObserver)
        endObserver();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace fnd
