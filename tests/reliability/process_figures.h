// Figures of a running process read from /proc, and the processes this
// test process started.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace ondrave::testing {

// VmRSS in KiB; nothing once the process is gone.
std::optional<long> ResidentKib(pid_t pid);

// Entries of /proc/PID/fd; nothing once the process is gone.
std::optional<int> OpenDescriptors(pid_t pid);

// Children of this process whose command name (/proc/PID/comm) is `name`.
std::vector<pid_t> ChildrenNamed(const std::string& name);

}  // namespace ondrave::testing
