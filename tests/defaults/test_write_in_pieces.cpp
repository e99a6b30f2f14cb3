// A domain's new file goes to disk in pieces as the writer makes it. The pieces must add up to the
// very bytes the writer makes in memory, and a write that fails after some pieces are on disk must
// leave the domain's file as it was.
#include "DomainFiles.h"

#include "plist/PlistCompat.h"
#include "plist/UniqueFd.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A domain much larger than one piece, with what makes pieces hard: texts equal to ones written
// far earlier (keys and values, ASCII and UTF-16), collections whose references are filled in
// long after their start has gone to disk, and data that spans pieces.
plist_store::PlistPtr largeDomain()
{
    plist_store::PlistPtr root(plist_new_dict());
    plist_t list = plist_new_array();
    for (int i = 0; i < 20000; ++i)
        plist_array_append_item(list, plist_new_string(("item " + std::to_string(i % 7000)).c_str()));
    plist_dict_set_item(root.get(), "list", list);
    plist_t inner = plist_new_dict();
    for (int i = 0; i < 5000; ++i)
        plist_dict_set_item(inner, ("k" + std::to_string(i)).c_str(), plist_new_uint(uint64_t(i) * 977));
    plist_dict_set_item(root.get(), "inner", inner);
    plist_dict_set_item(root.get(), "blob", plist_new_data(std::string(150000, '\x5a').data(), 150000));
    for (int i = 0; i < 8000; ++i) {
        const std::string key = "key " + std::to_string(i);
        const std::string value = i % 3 == 0 ? "item " + std::to_string(i) : i % 3 == 1 ? "Ré " + std::to_string(i % 50)
                                                                                        : "k" + std::to_string(i);
        plist_dict_set_item(root.get(), key.c_str(), plist_new_string(value.c_str()));
    }
    plist_dict_set_item(root.get(), "when", plist_store::newDate(719463845, 445271));
    plist_dict_set_item(root.get(), "ratio", plist_new_real(0.1));
    plist_dict_set_item(root.get(), "yes", plist_new_bool(1));
    plist_dict_set_item(root.get(), "uid", plist_new_uid(70000));
    return root;
}

std::string readAll(int fd)
{
    std::string bytes;
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::pread(fd, buffer, sizeof buffer, off_t(bytes.size()))) > 0)
        bytes.append(buffer, size_t(n));
    return bytes;
}

class WriteInPieces : public DomainFiles {
protected:
    // What writeBinaryFile() puts in a new file.
    std::string writtenToFile(plist_t root, std::string_view key, plist_t value, const plist_store::BinarySizeHint& hint)
    {
        const std::string path = home_.path(QStringLiteral("pieces.plist")).toStdString();
        ::unlink(path.c_str());
        posix::UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        EXPECT_GE(fd.get(), 0);
        EXPECT_TRUE(plist_store::writeBinaryFile(fd.get(), root, key, value, hint));
        return readAll(fd.get());
    }

    // Lays `root` out as the binary file of `domain`; its bytes, or nothing when it could not.
    std::string placeAsBinary(const QString& domain, plist_t root)
    {
        std::string bytes;
        if (!plist_store::toBinary(root, bytes) || !QDir().mkpath(preferences()))
            return {};
        writeFile(plistPath(domain), QByteArray::fromStdString(bytes));
        return bytes;
    }
};

TEST_F(WriteInPieces, TheFileHoldsTheBytesTheWriterMakesInMemory)
{
    const plist_store::PlistPtr root = largeDomain();
    std::string whole;
    ASSERT_TRUE(plist_store::toBinary(root.get(), whole));
    ASSERT_GT(whole.size(), 500000u);
    ASSERT_EQ(plist_store::parse(whole).status, plist_store::LoadStatus::Ok);
    const plist_store::PlistPtr text(plist_new_string("item 3"));
    // No hint, a hint too small for the references (written again from the start), the right one.
    for (const plist_store::BinarySizeHint hint : {plist_store::BinarySizeHint{}, plist_store::BinarySizeHint{3, 100},
                                                   plist_store::BinarySizeHint{40000, whole.size()}}) {
        SCOPED_TRACE(hint.objects);
        EXPECT_EQ(writtenToFile(root.get(), {}, nullptr, hint), whole);
        for (const char* key : {"key 5", "list", "a key added at the end"}) {
            SCOPED_TRACE(key);
            std::string edited;
            ASSERT_TRUE(plist_store::toBinaryWithKey(root.get(), key, text.get(), edited, hint));
            EXPECT_EQ(writtenToFile(root.get(), key, text.get(), hint), edited);
        }
    }
}

TEST_F(WriteInPieces, TheToolWritesTheBytesOfTheWriterInMemory)
{
    const QString domain = QStringLiteral("com.example.pieces");
    const plist_store::PlistPtr root = largeDomain();
    const std::string before = placeAsBinary(domain, root.get());
    ASSERT_FALSE(before.empty());

    ASSERT_EQ(defaults({"write", domain, "key 7", "-string", "Ré 3"}).status, 0);
    const plist_store::PlistPtr text(plist_new_string("Ré 3"));
    std::string expected;
    ASSERT_TRUE(plist_store::toBinaryWithKey(root.get(), "key 7", text.get(), expected));
    EXPECT_EQ(fileBytes(plistPath(domain)).toStdString(), expected);
}

TEST_F(WriteInPieces, AWriteThatFailsHalfWayLeavesTheFileAsItWas)
{
    const QString domain = QStringLiteral("com.example.pieces");
    const plist_store::PlistPtr root = largeDomain();
    const std::string before = placeAsBinary(domain, root.get());
    ASSERT_FALSE(before.empty());

    // The child may write files of a fifth of the domain: some pieces of the new file reach the
    // disk, then a write fails (EFBIG; the signal that would end the child is ignored).
    const rlim_t limit = before.size() / 5;
    QProcess process;
    process.setChildProcessModifier([limit] {
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::signal(SIGXFSZ, SIG_IGN);
    });
    process.start(buildPath(QStringLiteral("defaults")), {"write", domain, "key 7", "-string", "new"});
    ASSERT_TRUE(process.waitForStarted(kChildLimitMs));
    const Result r = finish(process);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.log, "Could not write domain " + domain.toStdString() + "; exiting\n");
    EXPECT_EQ(fileBytes(plistPath(domain)).toStdString(), before);
    EXPECT_FALSE(QFile::exists(preferences() + "/." + domain + ".plist.tmp"));
}

} // namespace
