#pragma once
// The project's one descriptor owner, under the name the rm stand-in uses.
#include "plist/UniqueFd.h"

namespace sandbox_rm {
using posix::UniqueFd;
} // namespace sandbox_rm
