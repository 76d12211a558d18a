#include "CommandLine.h"

#include "TimeArg.h"
#include "UsageError.h"

#include <algorithm>
#include <functional>
#include <map>

const char* const UsageText =
    R"(usage: snipora-cut [--start T] [--end T] [TAG OPTIONS] INPUT OUTPUT
       snipora-cut --info [--json] FILE
       snipora-cut --help

Copies the whole MP3 frames from --start to --end of INPUT into OUTPUT, without decoding.
  --start T      where the clip begins (default 0; a negative time means the beginning)
  --end T        where the clip ends (default: the playing time of INPUT)
                 T is whole milliseconds (62500) or a time [[h:]m:]s[.fff] (0:01:02.5)
TAG OPTIONS (any of them gives the clip an ID3v1 tag; texts are stored in the system's
ANSI code page and cut to the field widths without splitting a character):
  --title S  --artist S  --album S  --comment S  (30 bytes; the comment 28 with a track)
  --year S       4 bytes
  --track N      1..255; any other number means no track number
  --genre G      a genre number 0..255 or name ("Rock"); default 255, no genre
--info prints what the analysis finds in FILE; --json prints it as one JSON object.

Exit status: 0 done, 1 not an MP3 file or the clip could not be written,
2 usage error, 3 input/output error.
)";

namespace {

using Setter = std::function<void(CommandLine&, std::string_view)>;

std::int32_t Time(std::string_view option, std::string_view text) {
    try {
        return ParseTimeArg(text);
    } catch (const UsageError& error) {
        throw UsageError(std::string(option) + ": " + error.what());
    }
}

const std::map<std::string_view, Setter>& ValueOptions() {
    static const std::map<std::string_view, Setter> options = {
        {"--start", [](CommandLine& c, std::string_view v) { c.Start = Time("--start", v); }},
        {"--end", [](CommandLine& c, std::string_view v) { c.End = Time("--end", v); }},
        {"--title", [](CommandLine& c, std::string_view v) { c.Tag.Title = v; }},
        {"--artist", [](CommandLine& c, std::string_view v) { c.Tag.Artist = v; }},
        {"--album", [](CommandLine& c, std::string_view v) { c.Tag.Album = v; }},
        {"--year", [](CommandLine& c, std::string_view v) { c.Tag.Year = v; }},
        {"--comment", [](CommandLine& c, std::string_view v) { c.Tag.Comment = v; }},
        {"--track", [](CommandLine& c, std::string_view v) { c.Tag.Track = ParseTrack(v); }},
        {"--genre", [](CommandLine& c, std::string_view v) { c.Tag.Genre = ParseGenre(v); }},
    };
    return options;
}

void CheckCombination(const CommandLine& line, bool info,
                      const std::vector<std::string_view>& files) {
    if (std::ranges::find(files, std::string_view()) != files.end())
        throw UsageError("a file name is empty");
    if (info) {
        if (line.Start || line.End || line.Tag.Wanted())
            throw UsageError("--info takes no time or tag options");
        if (files.size() != 1)
            throw UsageError("--info takes exactly one FILE");
        return;
    }
    if (line.Json)
        throw UsageError("--json goes with --info");
    if (files.size() != 2)
        throw UsageError(files.size() < 2 ? "INPUT and OUTPUT are both needed"
                                          : "too many files given");
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& args) {
    CommandLine line;
    bool info = false;
    std::vector<std::string_view> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || !arg.starts_with('-') || arg == "-") {
            files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h")
            return CommandLine{};
        std::size_t equals = arg.find('=');
        std::string_view name = arg.substr(0, equals);
        if (name == "--info" || name == "--json") {
            if (equals != std::string_view::npos)
                throw UsageError(std::string(name) + " takes no value");
            (name == "--info" ? info : line.Json) = true;
            continue;
        }
        auto option = ValueOptions().find(name);
        if (option == ValueOptions().end())
            throw UsageError("unknown option: " + std::string(name));
        if (equals != std::string_view::npos) {
            option->second(line, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            option->second(line, args[++i]);
        } else {
            throw UsageError(std::string(name) + " needs a value");
        }
    }
    CheckCombination(line, info, files);
    line.What = info ? CommandLine::Action::Info : CommandLine::Action::Cut;
    line.Input = files[0];
    if (!info)
        line.Output = files[1];
    return line;
}
