#include "TimeArg.h"

#include "UsageError.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr std::int64_t MaxMs = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t MinMs = std::numeric_limits<std::int32_t>::min();
// Far beyond the 32-bit range, yet small enough that hours * 3600000 cannot overflow.
constexpr std::int64_t Saturated = 1'000'000'000'000;

[[noreturn]] void NotATime(std::string_view text) {
    throw UsageError("not a time: \"" + std::string(text) +
                     "\" (give whole milliseconds or [[h:]m:]s[.fff])");
}

std::int32_t InRange(std::int64_t ms, std::string_view text) {
    if (ms > MaxMs || ms < MinMs)
        throw UsageError("time out of range: \"" + std::string(text) + "\" (at most " +
                         std::to_string(MaxMs) + " ms)");
    return static_cast<std::int32_t>(ms);
}

std::optional<std::int64_t> ReadDigits(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), Saturated);
    }
    return value;
}

std::vector<std::string_view> SplitAtColons(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos;) {
        fields.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    fields.push_back(text);
    return fields;
}

std::int64_t ParseClockTime(std::string_view text) {
    std::string_view clock = text;
    std::int64_t fractionMs = 0;
    if (std::size_t dot = clock.find('.'); dot != std::string_view::npos) {
        std::string_view fraction = clock.substr(dot + 1);
        std::optional<std::int64_t> value = ReadDigits(fraction);
        if (!value || fraction.size() > 3)
            NotATime(text);
        fractionMs = *value;
        for (std::size_t digits = fraction.size(); digits < 3; ++digits)
            fractionMs *= 10;
        clock = clock.substr(0, dot);
    }
    std::vector<std::string_view> fields = SplitAtColons(clock);
    if (fields.size() > 3)
        NotATime(text);
    std::int64_t seconds = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::optional<std::int64_t> value = ReadDigits(fields[i]);
        // Only the leading field may exceed its unit: "90:00" is ninety minutes.
        if (!value || (i > 0 && (fields[i].size() > 2 || *value >= 60)))
            NotATime(text);
        seconds = std::min(seconds * 60 + *value, Saturated);
    }
    return seconds * 1000 + fractionMs;
}

} // namespace

std::int32_t ParseTimeArg(std::string_view text) {
    if (text.find_first_of(":.") != std::string_view::npos)
        return InRange(ParseClockTime(text), text);
    bool negative = text.starts_with('-');
    std::optional<std::int64_t> value = ReadDigits(negative ? text.substr(1) : text);
    if (!value)
        NotATime(text);
    return InRange(negative ? -*value : *value, text);
}
