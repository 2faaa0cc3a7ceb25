#include "childfaults.h"

#include <csignal>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
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

std::function<void()> permissionsHold()
{
    return [] {
        if (::geteuid() != 0)
            return; // permissions hold already
        // Root's program gains its bounding set at exec: the capabilities go
        // from it and from the inherited set.
        const int caps[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};
        for (int cap : caps)
            if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0)
                ::_exit(126);
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
        if (::syscall(SYS_capget, &header, data) != 0)
            ::_exit(126);
        for (int cap : caps) {
            const __u32 bit = 1u << (cap % 32);
            data[cap / 32].effective &= ~bit;
            data[cap / 32].permitted &= ~bit;
            data[cap / 32].inheritable &= ~bit;
        }
        if (::syscall(SYS_capset, &header, data) != 0)
            ::_exit(126);
    };
}

} // namespace ts
