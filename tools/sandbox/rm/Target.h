#pragma once
// Where an operand of rm is. Its last name is kept byte for byte and never followed: a link
// there is what gets removed. The folder holding it is opened the way the Mac's rm reaches it,
// following links on the way, and the removal then works inside that open folder, so that a
// link swapped in afterwards cannot send it anywhere else.
#include "SandboxHome.h"
#include "UniqueFd.h"

#include <string>

namespace sandbox_rm {

struct Target {
    UniqueFd folder; // open when there is something to remove
    std::string name;
    std::string refusal; // why it may not be removed, when it may not
    int error = 0;       // why a folder on the way could not be opened
};

Target locate(const std::string& operand, const SandboxHome& home);

} // namespace sandbox_rm
