#include "ValueArguments.h"

#include "Messages.h"
#include "OldStylePlist.h"

#include "plist/DecimalNumber.h"
#include "plist/Utf8.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>

namespace defaults_tool {

namespace {

bool isTypeOption(const std::string& option)
{
    for (const char* known : {"-string", "-data", "-int", "-integer", "-float", "-bool", "-boolean", "-date"})
        if (option == known)
            return true;
    return false;
}

std::string lower(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A scalar after its type option; null with the message given (the usage, as on a Mac) when the
// text is not one the option takes.
plist_t typedScalar(const std::string& option, const std::string& text, int& status)
{
    if (option == "-string")
        return plist_new_string(utf8::withLatin1Fallback(text).c_str());
    if (option == "-int" || option == "-integer")
        return plist_new_uint(static_cast<uint64_t>(parseInteger(text)));
    if (option == "-float")
        return plist_new_real(parseReal(text));
    if (option == "-bool" || option == "-boolean") {
        bool flag = false;
        if (parseBoolean(text, flag))
            return plist_new_bool(flag ? 1 : 0);
    } else if (option == "-data") {
        std::string bytes;
        if (parseHexData(text, bytes))
            return plist_new_data(bytes.data(), bytes.size());
    } else if (option == "-date") {
        int64_t msecs = 0;
        if (parseDate(text, msecs)) {
            if (plist_t date = plist_store::dateNode(msecs))
                return date;
            status = cannotStore(text, "the store keeps dates from 1933 to 2069 only");
            return nullptr;
        }
    }
    status = usage();
    return nullptr;
}

// -dict and -dict-add: keys and values in pairs; a value may carry its own type option.
plist_t dictFromArguments(const std::vector<std::string>& args, size_t pos, int& status)
{
    plist_store::PlistPtr dict(plist_new_dict());
    while (pos < args.size()) {
        const std::string key = utf8::withLatin1Fallback(args[pos++]);
        if (pos >= args.size()) {
            status = keyLacksValue(args[pos - 1]);
            return nullptr;
        }
        plist_t value = nullptr;
        if (isTypeOption(args[pos])) {
            if (pos + 1 >= args.size()) {
                status = usage();
                return nullptr;
            }
            value = typedScalar(args[pos], args[pos + 1], status);
            pos += 2;
        } else {
            value = valueFromRep(args[pos++], 2, status);
        }
        if (!value)
            return nullptr;
        plist_dict_set_item(dict.get(), key.c_str(), value);
    }
    return dict.release();
}

// -array and -array-add: each item is a value_rep.
plist_t arrayFromArguments(const std::vector<std::string>& args, size_t pos, int& status)
{
    plist_store::PlistPtr array(plist_new_array());
    for (; pos < args.size(); ++pos) {
        plist_t item = valueFromRep(args[pos], 2, status);
        if (!item)
            return nullptr;
        plist_array_append_item(array.get(), item);
    }
    return array.release();
}

plist_t parsed(const std::string& text, int depth, int& status)
{
    std::string problem;
    plist_t value = parseOldStylePlist(text, plist_store::kMaxNesting - depth, problem);
    if (!value && problem.empty())
        status = couldNotParse(text);
    else if (!value)
        status = cannotStore(text, problem);
    return value;
}

} // namespace

bool parseBoolean(const std::string& text, bool& value)
{
    const std::string word = lower(text);
    if (word == "yes" || word == "true")
        value = true;
    else if (word == "no" || word == "false")
        value = false;
    else
        return false;
    return true;
}

bool parseHexData(const std::string& text, std::string& bytes)
{
    if (text.size() % 2 != 0)
        return false;
    bytes.clear();
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i])) || !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
            return false;
        bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    return true;
}

long long parseInteger(const std::string& text)
{
    size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    unsigned long long magnitude = 0;
    bool overflow = false;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos) {
        const unsigned digit = static_cast<unsigned>(text[pos] - '0');
        if (magnitude > (ULLONG_MAX - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    // Too large a number stays at the largest one of its sign.
    if (negative)
        return overflow || magnitude > static_cast<unsigned long long>(LLONG_MAX) + 1 ? LLONG_MIN
                                                                                      : static_cast<long long>(0 - magnitude);
    return overflow || magnitude > static_cast<unsigned long long>(LLONG_MAX) ? LLONG_MAX
                                                                              : static_cast<long long>(magnitude);
}

double parseReal(const std::string& text)
{
    // Only the leading decimal number counts, whatever the machine's locale.
    size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start])))
        ++start;
    const size_t length = decimal_number::leadingLength(std::string_view(text).substr(start));
    if (length == 0)
        return 0;
    const decimal_number::CNumericLocale cNumbers;
    const double value = cNumbers.active() ? std::strtod(text.substr(start, length).c_str(), nullptr) : 0;
    return std::isfinite(value) ? value : 0;
}

bool parseDate(const std::string& text, int64_t& msecsSince2001)
{
    // "2024-01-02 03:04:05 +0000" (fields of one or two digits, any spaces) or "2024-01-02T03:04:05Z".
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char zoneSign = 0;
    int zone = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ%n", &year, &month, &day, &hour, &minute, &second, &used) == 6
        && used == static_cast<int>(text.size())) {
        zoneSign = '+';
    } else if (std::sscanf(text.c_str(), " %4d-%2d-%2d %2d:%2d:%2d %c%4d %n", &year, &month, &day, &hour, &minute,
                           &second, &zoneSign, &zone, &used)
                   == 8
               && used == static_cast<int>(text.size()) && (zoneSign == '+' || zoneSign == '-')) {
    } else {
        return false;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60 || zone % 100 > 59
        || zone > 2400 || hour < 0 || minute < 0 || second < 0 || zone < 0)
        return false;
    struct tm parts {};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    const time_t utc = ::timegm(&parts);
    if (parts.tm_mday != day) // 31 February and the like
        return false;
    const long long offset = (zone / 100 * 3600 + zone % 100 * 60) * (zoneSign == '-' ? -1 : 1);
    msecsSince2001 = (static_cast<long long>(utc) - offset - plist_store::kSecondsFrom1970To2001) * 1000;
    return true;
}

plist_t valueFromRep(const std::string& text, int depth, int& status)
{
    if (text.find_first_of("\"()[]{}<>") == std::string::npos)
        return plist_new_string(utf8::withLatin1Fallback(text).c_str());
    return parsed(text, depth, status);
}

plist_t parseRep(const std::string& text, int depth, int& status)
{
    return parsed(text, depth, status);
}

bool parseWriteValue(const std::vector<std::string>& args, size_t pos, WriteValue& out, int& status)
{
    if (pos >= args.size()) {
        status = usage();
        return false;
    }
    const std::string& first = args[pos];
    plist_t value = nullptr;
    if (first == "-array" || first == "-array-add") {
        out.mode = first == "-array" ? WriteMode::Set : WriteMode::ArrayAdd;
        value = arrayFromArguments(args, pos + 1, status);
    } else if (first == "-dict" || first == "-dict-add") {
        out.mode = first == "-dict" ? WriteMode::Set : WriteMode::DictAdd;
        value = dictFromArguments(args, pos + 1, status);
    } else {
        size_t next = pos + 1;
        if (isTypeOption(first)) {
            if (pos + 1 >= args.size()) {
                status = usage();
                return false;
            }
            value = typedScalar(first, args[pos + 1], status);
            next = pos + 2;
        } else {
            value = valueFromRep(first, 1, status);
        }
        if (value && next < args.size()) {
            plist_free(value);
            status = unexpectedArgument(args[next]);
            return false;
        }
    }
    out.value.reset(value);
    return value != nullptr;
}

} // namespace defaults_tool
