// A read of one key decodes the file only where it must: what it gives, and what it refuses, is
// compared with the whole tree the store builds of the same file, for every kind of value and for
// every odd file the other tests use. In-process, files in a temporary HOME.
#include "DefaultsTool.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/TestHome.h"

#include "plist/PlistCompat.h"
#include "plist/PlistKeyRead.h"
#include "plist/PlistStore.h"

#include <gtest/gtest.h>

#include <QDir>

#include <string>
#include <vector>

namespace {

using hostile::BinaryPlist;

std::string bigEndian(uint64_t value, int bytes)
{
    std::string out;
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
    return out;
}

std::string doubleBits(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bigEndian(bits, 8);
}

// The XML libplist writes of a node: equal texts, equal values of every kind.
std::string xmlOf(plist_t node)
{
    if (!node)
        return "(none)";
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    std::string text(xml ? xml : "", length);
    plist_store::freeBuffer(xml);
    return text;
}

// Every kind of value a preference file holds, each as Apple's writer and as libplist's own
// writer lay them out, shared objects, large collections and one value of every leaf in a tree.
std::vector<hostile::Seed> everyKind()
{
    std::vector<hostile::Seed> files;
    BinaryPlist file;
    const size_t en = file.ascii("en");
    std::vector<size_t> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(file.ascii("l" + std::to_string(i)));
    many.push_back(en);
    std::vector<std::pair<size_t, size_t>> manyKeys;
    for (int i = 0; i < 600; ++i)
        manyKeys.push_back({file.ascii("k" + std::to_string(i)), file.integer(i)});
    const size_t leaves = file.array({file.raw("\x08"), file.raw("\x09"), file.integer(0), file.integer(255), file.integer(65536),
                                      file.integer(-1), file.integer(INT64_MIN), file.raw("\x22" + bigEndian(0x3FC00000, 4)),
                                      file.raw("\x23" + doubleBits(-0.1)), file.raw(std::string("\x40", 1)), file.raw(std::string("\x43\x00\xff\x10", 4)), file.ascii(""),
                                      file.utf16(u"\u00e9\u65e5 \U0001F600 z"), file.ascii("with \"quotes\" and \\ ;")});
    // Dates and UIDs, which the key read takes from libplist's own tree.
    const size_t dated = file.array({file.raw("\x33" + doubleBits(7e8 + 0.123456)),
                                     file.raw("\x33" + doubleBits(-1e8 - 0.5)), file.raw(std::string("\x80\x07", 2)),
                                     file.utf16(u"\U0001F600")});
    const size_t nested = file.dict({{file.ascii("list"), file.array({en, en})},
                                     {file.utf16(u"cl\u00e9"), file.dict({{en, leaves}})},
                                     {file.ascii("dated"), file.dict({{en, dated}})},
                                     {file.ascii("empty"), file.dict({})}});
    files.push_back({"every-kind.plist", file.bytes(file.dict({{file.ascii("AppleLanguages"), file.array(many)}, {file.ascii("AppleLocale"), file.ascii("en_US")}, {file.ascii("leaves"), leaves}, {file.ascii("dated"), dated}, {file.ascii("nested"), nested}, {file.ascii("large"), file.dict(manyKeys)}, {file.utf16(u"\u00fcber"), en}}))});
    // The same through libplist's own writer, which lays objects and sizes out its own way.
    const plist_store::Loaded loaded = plist_store::parse(files.back().bytes);
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(loaded.dict.get(), &bin, &length);
    files.push_back({"every-kind-libplist.plist", std::string(bin, length)});
    plist_store::freeBuffer(bin);
    std::string store;
    plist_store::toBinary(loaded.dict.get(), store);
    files.push_back({"every-kind-store.plist", store});
    return files;
}

// Keys repeated below the top, and one key stored once as ASCII and once as UTF-16.
std::vector<hostile::Seed> repeatedKeys()
{
    std::vector<hostile::Seed> files;
    {
        BinaryPlist file;
        const size_t x = file.ascii("x");
        const size_t inner = file.dict({{x, file.integer(1)}, {x, file.integer(2)}});
        files.push_back({"nested-twice.plist", file.bytes(file.dict({{file.ascii("k"), file.array({inner})}, {file.ascii("other"), file.ascii("v")}}))});
    }
    {
        BinaryPlist file;
        files.push_back({"ascii-and-utf16.plist", file.bytes(file.dict({{file.ascii("k"), file.integer(1)}, {file.utf16(u"k"), file.integer(2)}}))});
    }
    return files;
}

bool isTextArray(plist_t node)
{
    if (!node || plist_get_node_type(node) != PLIST_ARRAY)
        return false;
    bool texts = true;
    plist_store::forEachArrayItem(node, [&](plist_t item) { texts = texts && plist_get_node_type(item) == PLIST_STRING; });
    return texts;
}

class KeyRead : public ::testing::Test {
protected:
    // loadKey() of each top key of `bytes`, and of a key it does not hold, against load().
    void expectSameAsWholeTree(const hostile::Seed& seed)
    {
        SCOPED_TRACE(seed.name);
        const std::string path = (dir_ + "/" + QString::fromStdString(seed.name)).toStdString();
        writeFile(QString::fromStdString(path), QByteArray(seed.bytes.data(), qsizetype(seed.bytes.size())));
        const plist_store::Loaded whole = plist_store::load(path);
        std::vector<std::string> keys{"no such key"};
        if (whole.dict)
            plist_store::forEachDictEntry(whole.dict.get(), [&](const std::string& key, plist_t) { keys.push_back(key); });
        for (const std::string& key : keys) {
            SCOPED_TRACE(key);
            const plist_store::LoadedKey one = plist_store::loadKey(path, key);
            EXPECT_EQ(one.status, whole.status);
            EXPECT_EQ(one.reason, whole.reason);
            const plist_t expected = whole.dict ? plist_dict_get_item(whole.dict.get(), key.c_str()) : nullptr;
            EXPECT_EQ(xmlOf(one.value.get()), xmlOf(expected));
            EXPECT_FALSE(one.isTextArray);

            // An array of texts alone comes as its texts, anything else as with Node.
            const plist_store::LoadedKey apart = plist_store::loadKey(path, key, plist_store::KeyForm::TextsApart);
            EXPECT_EQ(apart.status, whole.status);
            EXPECT_EQ(apart.reason, whole.reason);
            EXPECT_EQ(apart.isTextArray, isTextArray(expected));
            if (apart.isTextArray) {
                EXPECT_EQ(apart.value, nullptr);
                plist_store::PlistPtr rebuilt(plist_new_array());
                std::string scratch;
                for (size_t i = 0; i < apart.texts.size(); ++i)
                    plist_array_append_item(rebuilt.get(), plist_new_string(std::string(apart.texts.at(i, scratch)).c_str()));
                EXPECT_EQ(xmlOf(rebuilt.get()), xmlOf(expected));
            } else {
                EXPECT_EQ(xmlOf(apart.value.get()), xmlOf(expected));
            }
        }
        ++compared_;
    }

    TestHome home_;
    QString dir_ = home_.path(QStringLiteral("files"));
    int compared_ = 0;
    void SetUp() override { QDir().mkpath(dir_); }
};

TEST_F(KeyRead, GivesTheWholeTreesValueOfEveryKindAndRefusesTheSameFiles)
{
    for (const hostile::Seed& seed : everyKind())
        expectSameAsWholeTree(seed);
    for (const hostile::Seed& seed : hostile::fileSeeds())
        expectSameAsWholeTree(seed);
    EXPECT_EQ(compared_, int(everyKind().size() + hostile::fileSeeds().size()));

    // A missing file is no refusal; a folder in the file's place is.
    EXPECT_EQ(plist_store::loadKey((dir_ + "/missing.plist").toStdString(), "k").status, plist_store::LoadStatus::Missing);
    QDir().mkpath(dir_ + "/folder.plist");
    const plist_store::LoadedKey folder = plist_store::loadKey((dir_ + "/folder.plist").toStdString(), "k");
    EXPECT_EQ(folder.status, plist_store::LoadStatus::Unparsable);
    EXPECT_EQ(folder.reason, plist_store::load((dir_ + "/folder.plist").toStdString()).reason);
}

TEST_F(KeyRead, RefusesAKeyRepeatedAnywhereInTheFileAsTheWholeTreeDoes)
{
    for (const hostile::Seed& seed : repeatedKeys()) {
        expectSameAsWholeTree(seed);
        const plist_store::LoadedKey one = plist_store::loadKey((dir_ + "/" + QString::fromStdString(seed.name)).toStdString(), "other");
        EXPECT_EQ(one.status, plist_store::LoadStatus::Unparsable) << seed.name;
        EXPECT_EQ(one.value, nullptr);
    }
}

TEST_F(KeyRead, TheToolPrintsAListOfTextsAsItPrintsItInsideTheWholeDomain)
{
    // The whole domain's printout comes from libplist's nodes; the key's, for a list of texts,
    // straight from the file. Inside the domain the list stands one level deeper.
    home_.env().set("HOME", home_.home().toUtf8());
    BinaryPlist file;
    const std::vector<size_t> odd{file.ascii("en"), file.ascii(""), file.ascii("zh-Hans-CN"), file.ascii("a \"b\" \\ c;"),
                                  file.ascii("tab\there\nline"), file.utf16(u"caf\u00e9 \u65e5\U0001F600")};
    const std::string bytes = file.bytes(file.dict(
        {{file.ascii("odd"), file.array(odd)}, {file.ascii("none"), file.array({})}, {file.ascii("one"), file.array({odd[0]})}}));
    writeFile(home_.path(QStringLiteral("Library/Preferences/com.example.texts.plist")),
              QByteArray(bytes.data(), qsizetype(bytes.size())));
    const Result whole = defaults({"read", "com.example.texts"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    for (const char* key : {"odd", "none", "one"}) {
        const Result one = defaults({"read", "com.example.texts", key});
        ASSERT_EQ(one.status, 0) << one.err;
        ASSERT_FALSE(one.out.empty());
        std::string deeper;
        for (size_t at = 0; at < one.out.size() - 1;) {
            const size_t end = one.out.find('\n', at);
            deeper += "    " + one.out.substr(at, end - at) + "\n";
            at = end + 1;
        }
        deeper.pop_back();
        EXPECT_NE(whole.out.find(std::string("    ") + key + " = " + deeper + ";\n"), std::string::npos)
            << key << ":\n"
            << one.out << "in:\n"
            << whole.out;
    }
}

} // namespace
