// The shipped translation files: every message translated, and exactly the messages the sources
// hold, as lupdate finds them.
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // empty when finished; else unfinished, vanished or obsolete
    QString where() const { return context + QStringLiteral(" / ") + source.left(60); }
};

QList<Message> readTs(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message")
            messages.append(message);
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            message.translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList shippedFiles()
{
    const QDir resources(QStringLiteral(QUORREL_SOURCE_DIR "/resources"));
    QStringList files;
    for (const QString& name : resources.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name))
        files.append(resources.filePath(name));
    return files;
}

// The messages of `path` after lupdate has brought it up to date with the build's sources.
QList<Message> afterLupdate(const QString& path)
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QFileInfo(path).fileName());
    if (!QFile::copy(path, copy)) {
        ADD_FAILURE() << "cannot copy " << path.toStdString();
        return {};
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(QUORREL_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-ui-lines"),
                   QStringLiteral("@" QUORREL_LUPDATE_SOURCES), QStringLiteral("-ts"), copy});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        ADD_FAILURE() << "lupdate failed: " << lupdate.readAll().toStdString();
        return {};
    }
    return readTs(copy);
}

TEST(TranslationFiles, EveryLanguageIsShipped)
{
    QStringList names;
    for (const QString& path : shippedFiles())
        names.append(QFileInfo(path).completeBaseName());
    EXPECT_EQ(names, QStringList({"quorrel_de", "quorrel_en", "quorrel_es", "quorrel_fr", "quorrel_it", "quorrel_ja", "quorrel_pt_BR", "quorrel_ru", "quorrel_zh_Hans"}));
}

TEST(TranslationFiles, EveryMessageIsTranslatedAndNoneIsLeftOver)
{
    for (const QString& path : shippedFiles()) {
        SCOPED_TRACE(path.toStdString());
        const QList<Message> messages = readTs(path);
        EXPECT_GT(messages.size(), 40);
        for (const Message& m : messages) {
            EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString() << ": " << m.where().toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << "empty: " << m.where().toStdString();
        }
    }
}

TEST(TranslationFiles, HoldExactlyTheMessagesOfTheSources)
{
    for (const QString& path : shippedFiles()) {
        SCOPED_TRACE(path.toStdString());
        const QList<Message> before = readTs(path);
        const QList<Message> after = afterLupdate(path);
        // lupdate marks a message new in the sources as unfinished, one gone from them as vanished.
        for (const Message& m : after) {
            if (m.type == u"unfinished")
                ADD_FAILURE() << "missing from the file: " << m.where().toStdString();
            else if (!m.type.isEmpty())
                ADD_FAILURE() << "no longer in the sources (" << m.type.toStdString() << "): " << m.where().toStdString();
        }
        EXPECT_EQ(after.size(), before.size());
    }
}

// The marks a translation must keep: placeholders, one keyboard accelerator, the HTML tags.
QStringList marks(const QString& text)
{
    static const QRegularExpression mark(QStringLiteral("%\\d|&(?![a-z]+;|&)|</?[a-z0-9]+"));
    QStringList found;
    for (const QRegularExpressionMatch& m : mark.globalMatch(text))
        found.append(m.captured());
    found.sort();
    return found;
}

TEST(TranslationFiles, TranslationsKeepPlaceholdersAcceleratorsAndMarkup)
{
    for (const QString& path : shippedFiles()) {
        SCOPED_TRACE(path.toStdString());
        for (const Message& m : readTs(path)) {
            if (m.context == u"Localizable")
                continue; // keys, not texts
            EXPECT_EQ(marks(m.translation), marks(m.source)) << m.where().toStdString() << "\n  "
                                                             << m.translation.toStdString();
        }
    }
}

} // namespace
