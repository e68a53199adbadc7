#include "platform/system/file_faults.h"

#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

void stopOverridingPermissions()
{
    // The capabilities stay permitted; only the effective ones are dropped.
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    ::syscall(SYS_capset, &header, data);
}

std::optional<uint64_t> refuseFileGrowth()
{
    // Writes fail as on a full disk, and the signal that would stop the
    // program for it is ignored.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return std::nullopt;
    const uint64_t previous = limit.rlim_cur;
    limit.rlim_cur = 0;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::nullopt;
    return previous;
}

void allowFileGrowth(uint64_t previous)
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previous);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace platform
