#include "platform/file_permissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

// The capabilities stay permitted; only the effective ones are dropped.
void stopOverridingPermissions()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    ::syscall(SYS_capset, &header, data);
}

}  // namespace platform
