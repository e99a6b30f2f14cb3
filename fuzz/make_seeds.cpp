// Writes the fuzzers' seeds: the odd files the tests use (tests/support/HostileFiles) for the
// store and the printer, and old-style values for the value parser.
//   build-fuzz/make_seeds fuzz/corpus
#include "tests/support/HostileFiles.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

bool writeAll(const std::string& folder, const std::vector<hostile::Seed>& seeds)
{
    ::mkdir(folder.c_str(), 0755);
    for (const hostile::Seed& seed : seeds) {
        std::ofstream file(folder + "/" + seed.name, std::ios::binary | std::ios::trunc);
        file.write(seed.bytes.data(), static_cast<std::streamsize>(seed.bytes.size()));
        if (!file) {
            std::fprintf(stderr, "make_seeds: cannot write %s/%s\n", folder.c_str(), seed.name.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds CORPUS_FOLDER\n");
        return 2;
    }
    const std::string corpus = argv[1];
    ::mkdir(corpus.c_str(), 0755);
    const bool ok = writeAll(corpus + "/store", hostile::fileSeeds()) && writeAll(corpus + "/describe", hostile::fileSeeds())
        && writeAll(corpus + "/oldstyle", hostile::valueSeeds());
    return ok ? 0 : 1;
}
