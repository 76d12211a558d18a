#include "TimeText.h"

#include "IntegerText.h"

namespace {

// Characters first..first+count-1, counting from 1; as much of them as the text has.
std::string_view Characters(std::string_view text, std::size_t first, std::size_t count) {
    return first - 1 < text.size() ? text.substr(first - 1, count) : std::string_view();
}

std::int64_t NumberOrZero(std::string_view text) {
    return ParseInteger(text).value_or(0);
}

// A tens digit of minutes or seconds: kept below 6, otherwise 5.
std::string_view TensDigit(std::string_view digit) {
    return NumberOrZero(digit) < 6 ? digit : "5";
}

} // namespace

std::string TwoDigits(std::int64_t value) {
    std::string text = std::to_string(value);
    return text.size() == 1 ? "0" + text : text;
}

std::string ThreeDigits(std::int64_t value) {
    std::string text = std::to_string(value);
    if (text.size() == 1)
        return "00" + text;
    return text.size() == 2 ? "0" + text : text;
}

std::string MsToTimeText(std::int64_t ms) {
    const std::int64_t hours = ms / 3600000;
    std::int64_t rest = ms - hours * 3600000;
    const std::int64_t minutes = rest / 60000;
    rest -= minutes * 60000;
    return ThreeDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(rest / 1000) + "." +
           ThreeDigits(rest % 1000);
}

std::int64_t TimeTextToMs(std::string_view text) {
    const std::int64_t hours = NumberOrZero(Characters(text, 1, 3));
    const std::int64_t minutes = NumberOrZero(Characters(text, 5, 2));
    const std::int64_t seconds = NumberOrZero(Characters(text, 8, 2));
    const std::int64_t ms = NumberOrZero(Characters(text, 11, 3));
    return (hours * 3600 + minutes * 60 + seconds) * 1000 + ms;
}

std::string NormalizeTimeText(std::string_view text) {
    std::string result(Characters(text, 1, 4));
    result += TensDigit(Characters(text, 5, 1));
    result += Characters(text, 6, 2);
    result += TensDigit(Characters(text, 8, 1));
    result += Characters(text, 9, 5);
    for (char& c : result)
        if (c == ' ')
            c = '0';
    return result;
}
