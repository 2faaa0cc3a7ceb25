#include "childfaults.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace ts {

std::function<void()> fileSizeLimit(qint64 bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN); // ignored stays ignored across exec
        const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(126);
    };
}

} // namespace ts
