#include "platform/keyboardlayout.h"

namespace plat {

namespace {
std::optional<LayoutActivation> last;
int count = 0;
} // namespace

void activateKeyboardLayout(quint32 layout, unsigned flags)
{
    last = LayoutActivation{layout, flags};
    ++count;
}

std::optional<LayoutActivation> lastLayoutActivation() { return last; }
int layoutActivationCount() { return count; }

void resetLayoutActivations()
{
    last.reset();
    count = 0;
}

} // namespace plat
