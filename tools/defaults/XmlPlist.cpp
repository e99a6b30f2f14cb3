#include "XmlPlist.h"

#include "plist/PlistStore.h"
#include "plist/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

namespace defaults_tool {

namespace {

void appendEscaped(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
            break;
        }
    }
}

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}

    void node(plist_t value, int level)
    {
        switch (plist_get_node_type(value)) {
        case PLIST_DICT:
            dict(value, level);
            return;
        case PLIST_ARRAY:
            array(value, level);
            return;
        case PLIST_STRING:
            line(level, "<string>");
            appendEscaped(out_, plist_store::stringValue(value));
            out_ += "</string>\n";
            return;
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(value, &flag);
            line(level, flag ? "<true/>\n" : "<false/>\n");
            return;
        }
        case PLIST_UINT: {
            uint64_t number = 0;
            plist_get_uint_val(value, &number);
            line(level, "<integer>" + std::to_string(static_cast<int64_t>(number)) + "</integer>\n");
            return;
        }
        case PLIST_REAL: {
            double number = 0;
            plist_get_real_val(value, &number);
            // The Mac's XML writer gives 17 significant digits, but a zero (of either sign) as "0.0".
            char text[64] = "0.0";
            if (number != 0)
                std::snprintf(text, sizeof text, "%.17g", number);
            line(level, std::string("<real>") + text + "</real>\n");
            return;
        }
        case PLIST_DATE: {
            const int64_t msecs = plist_store::dateMSecs(value);
            const int64_t seconds = msecs >= 0 ? msecs / 1000 : -((-msecs + 999) / 1000);
            const time_t when = static_cast<time_t>(plist_store::kSecondsFrom1970To2001 + seconds);
            struct tm parts {};
            char text[32] = "";
            if (gmtime_r(&when, &parts))
                std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
            line(level, std::string("<date>") + text + "</date>\n");
            return;
        }
        case PLIST_DATA:
            data(value, level);
            return;
        default:
            line(level, "<string></string>\n");
            return;
        }
    }

private:
    void indent(int level) { out_.append(static_cast<size_t>(level), '\t'); }
    void line(int level, const std::string& text)
    {
        indent(level);
        out_ += text;
    }

    void dict(plist_t value, int level)
    {
        std::vector<std::pair<std::u16string, std::pair<std::string, plist_t>>> entries;
        plist_store::forEachDictEntry(value, [&](const std::string& key, plist_t item) {
            entries.push_back({utf8::toUtf16(key), {key, item}});
        });
        if (entries.empty()) {
            line(level, "<dict/>\n");
            return;
        }
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        line(level, "<dict>\n");
        for (const auto& entry : entries) {
            line(level + 1, "<key>");
            appendEscaped(out_, entry.second.first);
            out_ += "</key>\n";
            node(entry.second.second, level + 1);
        }
        line(level, "</dict>\n");
    }

    void array(plist_t value, int level)
    {
        if (plist_array_get_size(value) == 0) {
            line(level, "<array/>\n");
            return;
        }
        line(level, "<array>\n");
        plist_store::forEachArrayItem(value, [&](plist_t item) { node(item, level + 1); });
        line(level, "</array>\n");
    }

    // Base64 in lines that, with a tab counted as eight columns, end at column 76.
    void data(plist_t value, int level)
    {
        static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        uint64_t length = 0;
        const auto* bytes = reinterpret_cast<const unsigned char*>(plist_get_data_ptr(value, &length));
        line(level, "<data>\n");
        std::string encoded;
        encoded.reserve((length + 2) / 3 * 4);
        for (uint64_t i = 0; i < length; i += 3) {
            const unsigned b0 = bytes[i];
            const unsigned b1 = i + 1 < length ? bytes[i + 1] : 0;
            const unsigned b2 = i + 2 < length ? bytes[i + 2] : 0;
            encoded += kDigits[b0 >> 2];
            encoded += kDigits[((b0 & 3) << 4) | (b1 >> 4)];
            encoded += i + 1 < length ? kDigits[((b1 & 15) << 2) | (b2 >> 6)] : '=';
            encoded += i + 2 < length ? kDigits[b2 & 63] : '=';
        }
        const size_t width = static_cast<size_t>(std::max(4, (76 - 8 * level) / 4 * 4));
        for (size_t pos = 0; pos < encoded.size(); pos += width) {
            indent(level);
            out_.append(encoded, pos, width);
            out_ += '\n';
        }
        line(level, "</data>\n");
    }

    std::string& out_;
};

} // namespace

std::string xmlPlist(plist_t root)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                      "<plist version=\"1.0\">\n";
    Writer(out).node(root, 0);
    out += "</plist>\n";
    return out;
}

} // namespace defaults_tool
