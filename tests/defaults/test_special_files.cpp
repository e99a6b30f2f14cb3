// Something other than a regular file where a domain's file belongs: a FIFO that no writer ever
// opens, and a link to a file elsewhere. Neither may hang a verb nor be split from what it names.
#include "DomainFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using SpecialFiles = DomainFiles;

bool isFifo(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST_F(SpecialFiles, AFifoInPlaceOfADomainFileIsRefusedAtOnceAndKept)
{
    ASSERT_TRUE(QDir().mkpath(preferences()));
    ASSERT_EQ(defaults({"write", "com.example.fine", "k", "v"}).status, 0);
    const QString fifo = plistPath("com.example.fifo");
    const QString global = plistPath(".GlobalPreferences");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(global).constData(), 0600), 0);

    for (const QStringList& args : {QStringList{"read", "com.example.fifo"}, QStringList{"read", "com.example.fifo", "k"},
                                    QStringList{"write", "com.example.fifo", "k", "v"}, QStringList{"read", "-g"},
                                    QStringList{"read", "-g", "AppleLanguages"},
                                    QStringList{"write", "-g", "AppleLocale", "de_DE"},
                                    QStringList{"delete", "com.example.fifo", "k"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Result r = defaults(args);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.log.find("not a regular file"), std::string::npos) << r.log;
    }
    // find looks at every domain: it finds what the others hold and goes past the FIFOs.
    const Result found = defaults({"find", "k"});
    EXPECT_NE(found.out.find("com.example.fine"), std::string::npos) << found.out << found.log;
    EXPECT_TRUE(isFifo(fifo));
    EXPECT_TRUE(isFifo(global));
    // No lock was left held: the next writer of the domain gets through.
    EXPECT_EQ(defaults({"write", "com.example.fine", "k2", "v"}).status, 0);
}

TEST_F(SpecialFiles, ALinkInPlaceOfADomainFileIsNeverSplitFromItsTarget)
{
    ASSERT_EQ(defaults({"write", "com.example.real", "a", "1"}).status, 0);
    const QString target = home_.path("dotfiles/com.example.linked.plist");
    ASSERT_TRUE(QDir().mkpath(home_.path("dotfiles")));
    ASSERT_TRUE(QFile::copy(plistPath("com.example.real"), target));
    const QString link = plistPath("com.example.linked");
    ASSERT_TRUE(QFile::link(target, link));
    const QByteArray before = fileBytes(target);

    const Result read = defaults({"read", "com.example.linked", "a"});
    EXPECT_EQ(read.out, "1\n") << "what the link names is read";
    for (const QStringList& args : {QStringList{"write", "com.example.linked", "b", "2"},
                                    QStringList{"write", "com.example.linked", "a", "3"},
                                    QStringList{"delete", "com.example.linked", "a"},
                                    QStringList{"write", "com.example.linked", "-array-add", "x"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Result r = defaults(args);
        EXPECT_NE(r.status, 0);
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link was replaced by a file of its own";
        EXPECT_EQ(fileBytes(target), before);
        EXPECT_EQ(defaults({"read", "com.example.linked", "a"}).out, "1\n");
    }
}

TEST_F(SpecialFiles, AFileHoldingMoreThanItsSizeSaysIsReadWhole)
{
    // Linux gives /proc/self/cmdline a size of 0; it holds the reader's own arguments, each ended
    // by a NUL, which only a read past the size finds. (A file that grows while it is read is
    // the same case.)
    ASSERT_TRUE(QDir().mkpath(preferences()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/cmdline"), plistPath("com.example.grows")));
    for (const QStringList& args : {QStringList{"read", "com.example.grows"}, QStringList{"read", "com.example.grows", "k"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Result r = defaults(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.log.find("it holds a NUL byte"), std::string::npos) << r.log;
    }
    const plist_store::Loaded loaded = plist_store::load(plistPath("com.example.grows").toStdString());
    EXPECT_NE(loaded.reason.find("it holds a NUL byte"), std::string::npos) << loaded.reason;
}

} // namespace
