#pragma once
// A domain given as a path, as Apple's tool takes one: "/Users/me/x" or "/Users/me/x.plist" both
// name the file /Users/me/x.plist. The stand-in keeps to its home folder: only files inside it are
// used, reached without ".." and without symbolic links, so that no command reaches outside it.
#include <string>

namespace defaults_tool {

// Whether the argument is a path rather than a domain's name.
bool isPathDomain(const std::string& argument);

// The file `given` names; false with the reason in `why` when it is not a file inside the home
// folder, holds "..", or passes through a symbolic link.
bool pathDomainFile(const std::string& given, std::string& file, std::string& why);

} // namespace defaults_tool
