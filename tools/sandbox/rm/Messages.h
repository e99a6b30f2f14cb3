#pragma once
// What the rm stand-in says on stderr: "rm: NAME: TEXT", as the Mac's rm does.
#include <string>

namespace sandbox_rm {

// A name as messages show it: unchanged when every byte is printable, otherwise quoted the way
// bash writes $'...', so that a newline or an empty name cannot hide in the message.
std::string shown(const std::string& name);

void complain(const std::string& name, const std::string& text);
void complainOfError(const std::string& name, int error);

} // namespace sandbox_rm
