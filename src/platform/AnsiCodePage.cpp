#include "AnsiCodePage.h"

#include <iconv.h>

#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace AnsiCodePage {
namespace {

std::atomic<int> selected{0};

const char* IconvName(int codePage) {
    static const std::map<int, const char*> names{
        {874, "CP874"},   {932, "CP932"},   {936, "CP936"},   {949, "CP949"},   {950, "CP950"},
        {1250, "CP1250"}, {1251, "CP1251"}, {1252, "CP1252"}, {1253, "CP1253"}, {1254, "CP1254"},
        {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"}, {1258, "CP1258"}};
    auto found = names.find(codePage);
    return found == names.end() ? nullptr : found->second;
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::system_error(errno, std::generic_category(),
                                    std::string("iconv from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    operator iconv_t() const { return cd; }

private:
    iconv_t cd;
};

// Length of the UTF-8 sequence starting at text[0] as far as it is well formed, at least 1,
// so that skipping it never swallows a good character after a broken one.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t length = 1;
    while (length < expected && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

// Converts with iconv, putting `replacement` in place of every input sequence that cannot be
// converted and going on after it.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, bool inputIsUtf8) {
    Converter cd(to, from);
    std::string output;
    std::array<char, 1024> buffer;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const bool failed = iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1);
        const int error = errno;
        output.append(buffer.data(), out);
        if (!failed || error == E2BIG)
            continue;
        const std::size_t skip = inputIsUtf8 ? Utf8SequenceLength({in, inLeft}) : 1;
        output += replacement;
        in += skip;
        inLeft -= skip;
    }
    // A converter may hold back a character until it knows none follows (CP1258 combines).
    bool full;
    do {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        full = iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1) &&
               errno == E2BIG;
        output.append(buffer.data(), out);
    } while (full);
    return output;
}

// The bytes after which iconv waits for a second byte: exactly the lead bytes of the code page's
// double-byte characters as the conversions know them.
std::array<bool, 256> FindLeadBytes(int codePage) {
    std::array<bool, 256> lead{};
    const char* name = IconvName(codePage);
    Converter cd("UTF-8", name);
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char single = static_cast<char>(byte);
        char* in = &single;
        std::size_t inLeft = 1;
        std::array<char, 16> buffer;
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        lead[byte] = iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) &&
                     errno == EINVAL;
    }
    return lead;
}

const std::array<bool, 256>& LeadBytes(int codePage) {
    static std::mutex guard;
    static std::map<int, std::array<bool, 256>> tables;
    std::lock_guard lock(guard);
    auto found = tables.find(codePage);
    if (found == tables.end())
        found = tables.emplace(codePage, FindLeadBytes(codePage)).first;
    return found->second;
}

std::string Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string ReadFile(const char* path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int SystemNumber() {
    static const int number = ForLocale(SystemLocaleName());
    return number;
}

} // namespace

int ForLocale(std::string_view localeName) {
    const auto languageEnd = localeName.find_first_of("_.@");
    const std::string language = Lower(localeName.substr(0, languageEnd));
    std::string territory;
    if (languageEnd != std::string_view::npos && localeName[languageEnd] == '_') {
        const auto rest = localeName.substr(languageEnd + 1);
        territory = Lower(rest.substr(0, rest.find_first_of(".@")));
    }
    const auto at = localeName.find('@');
    const std::string modifier =
        at == std::string_view::npos ? "" : Lower(localeName.substr(at + 1));

    if (language == "zh")
        return territory == "tw" || territory == "hk" || territory == "mo" ? 950 : 936;
    if (language == "sr")
        return modifier == "latin" || territory == "me" ? 1250 : 1251;
    if (language == "az" || language == "uz")
        return modifier == "cyrillic" ? 1251 : 1254;

    static const std::map<std::string, int, std::less<>> byLanguage{
        {"ja", 932},  {"ko", 949},   {"th", 874},   {"cs", 1250}, {"hu", 1250}, {"pl", 1250},
        {"ro", 1250}, {"sk", 1250},  {"sl", 1250},  {"hr", 1250}, {"sq", 1250}, {"bs", 1250},
        {"tk", 1250}, {"hsb", 1250}, {"dsb", 1250}, {"ru", 1251}, {"uk", 1251}, {"be", 1251},
        {"bg", 1251}, {"mk", 1251},  {"kk", 1251},  {"ky", 1251}, {"tt", 1251}, {"mn", 1251},
        {"ba", 1251}, {"sah", 1251}, {"tg", 1251},  {"el", 1253}, {"tr", 1254}, {"he", 1255},
        {"iw", 1255}, {"ar", 1256},  {"fa", 1256},  {"ur", 1256}, {"ug", 1256}, {"ckb", 1256},
        {"et", 1257}, {"lv", 1257},  {"lt", 1257},  {"vi", 1258}};
    const auto found = byLanguage.find(language);
    return found == byLanguage.end() ? 1252 : found->second;
}

std::string LocaleFromSettings(std::string_view settingsText) {
    std::map<std::string, std::string, std::less<>> values;
    std::istringstream lines{std::string(settingsText)};
    for (std::string line; std::getline(lines, line);) {
        std::string entry = Trimmed(line);
        if (entry.rfind("export ", 0) == 0)
            entry = Trimmed(entry.substr(7));
        const auto equals = entry.find('=');
        if (entry.empty() || entry[0] == '#' || equals == std::string::npos)
            continue;
        std::string value = Trimmed(entry.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        values[Trimmed(entry.substr(0, equals))] = value;
    }
    for (const char* key : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const auto found = values.find(key);
        if (found != values.end() && !found->second.empty())
            return found->second;
    }
    return {};
}

std::string SystemLocaleName() {
    for (const char* path : {"/etc/locale.conf", "/etc/default/locale"}) {
        std::string name = LocaleFromSettings(ReadFile(path));
        if (!name.empty())
            return name;
    }
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

int Number() {
    const int choice = selected.load();
    return choice ? choice : SystemNumber();
}

void Select(int codePage) {
    if (codePage != 0 && !IconvName(codePage))
        throw std::invalid_argument("not an ANSI code page: " + std::to_string(codePage));
    selected.store(codePage);
}

ScopedSelection::ScopedSelection(int codePage) : previous(selected.load()) {
    Select(codePage);
}

ScopedSelection::~ScopedSelection() {
    selected.store(previous);
}

std::string ToUtf8(std::string_view ansi) {
    return Convert("UTF-8", IconvName(Number()), ansi, "\xEF\xBF\xBD", false);
}

std::string FromUtf8(std::string_view utf8) {
    return Convert(IconvName(Number()), "UTF-8", utf8, "?", true);
}

bool IsLeadByte(unsigned char byte) {
    return LeadBytes(Number())[byte];
}

} // namespace AnsiCodePage
