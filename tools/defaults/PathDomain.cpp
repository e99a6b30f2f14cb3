#include "PathDomain.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace defaults_tool {

namespace {

const char kSuffix[] = ".plist";

// The parts of a path between its slashes, without empty ones and ".". ".." is kept, to be refused.
std::vector<std::string> components(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        if (!part.empty() && part != ".")
            parts.push_back(std::move(part));
        start = end + 1;
    }
    return parts;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

bool isPathDomain(const std::string& argument)
{
    return !argument.empty() && argument[0] == '/';
}

bool pathDomainFile(const std::string& given, std::string& file, std::string& why)
{
    const char* homeVariable = std::getenv("HOME");
    const std::string home = homeVariable ? homeVariable : "";
    if (home.empty() || home[0] != '/') {
        why = "there is no home folder to keep to (HOME is not an absolute path)";
        return false;
    }
    const std::vector<std::string> parts = components(given);
    for (const std::string& part : parts) {
        if (part == "..") {
            why = "it holds \"..\", which is never followed";
            return false;
        }
    }
    const std::vector<std::string> homeParts = components(home);
    bool inside = given.back() != '/' && parts.size() > homeParts.size();
    for (size_t i = 0; inside && i < homeParts.size(); ++i)
        inside = parts[i] == homeParts[i];
    if (!inside) {
        why = "it is not a file inside the home folder (" + home + "), and only those are used";
        return false;
    }

    // Each folder below the home, and the file itself, must not be a link: lstat, which does not
    // follow one. Folders that do not exist yet are made by the store as real folders.
    std::string path;
    for (const std::string& part : homeParts)
        path += '/' + part;
    bool exists = true; // below a missing folder nothing exists, so nothing can be a link
    for (size_t i = homeParts.size(); i < parts.size(); ++i) {
        path += '/' + parts[i];
        if (i + 1 == parts.size() && !endsWith(path, kSuffix))
            path += kSuffix;
        struct stat st {};
        if (exists && ::lstat(path.c_str(), &st) != 0)
            exists = false;
        if (exists && S_ISLNK(st.st_mode)) {
            why = path + " is a symbolic link, which is never followed";
            return false;
        }
    }
    file = path;
    return true;
}

} // namespace defaults_tool
