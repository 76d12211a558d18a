#pragma once

#include "TagOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CommandLine {
    enum class Action { Help, Info, Cut };
    Action What = Action::Help;
    bool Json = false;
    std::string Input;
    std::string Output;
    std::optional<std::int32_t> Start;
    std::optional<std::int32_t> End;
    TagOptions Tag;
};

extern const char* const UsageText;

// args are the arguments after the program name. Options take their value as the next
// argument or after '='; "--" ends the options. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string_view>& args);
