// Writes the help page's messages as C++ for lupdate, which reads no HTML, so that the
// translation files follow the page like any other source.
// Usage: quorrel-help-messages PAGE.html OUTPUT.cpp
#include "platform/HelpPage.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

static QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorrel-help-messages PAGE.html OUTPUT.cpp\n");
        return 2;
    }
    QFile page(QString::fromLocal8Bit(argv[1]));
    if (!page.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quorrel-help-messages: cannot read %s\n", argv[1]);
        return 1;
    }
    QByteArray code = "// Generated from " + QByteArray(argv[1]) + " by quorrel-help-messages; read by lupdate only.\n"
                                                                   "#include <QtGlobal>\n\nstatic const char* const helpPageMessages[] = {\n";
    for (const QString& message : help_page::messages(QString::fromUtf8(page.readAll())))
        code += "    QT_TRANSLATE_NOOP(\"" + QByteArray(help_page::kContext) + "\", " + quoted(message) + "),\n";
    code += "};\n";
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(code) != code.size() || !out.commit()) {
        std::fprintf(stderr, "quorrel-help-messages: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
