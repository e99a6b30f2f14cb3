#include "Messages.h"

#include <cstdio>
#include <cstring>

namespace sandbox_rm {

namespace {

bool isControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7f;
}

} // namespace

std::string shown(const std::string& name)
{
    if (name.empty())
        return "''";
    bool plain = true;
    for (const char c : name)
        plain = plain && !isControl(static_cast<unsigned char>(c));
    if (plain)
        return name;

    std::string quoted = "$'";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\'':
            quoted += "\\'";
            break;
        default:
            if (isControl(byte)) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", byte);
                quoted += hex;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "'";
}

void complain(const std::string& name, const std::string& text)
{
    const std::string line = "rm: " + shown(name) + ": " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void complainOfError(const std::string& name, int error)
{
    complain(name, std::strerror(error));
}

} // namespace sandbox_rm
