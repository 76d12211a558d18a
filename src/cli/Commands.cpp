#include "Commands.h"

#include "ExitStatus.h"
#include "InfoReport.h"
#include "OrvoMp3.h"
#include "TimeArg.h"
#include "TimeText.h"
#include "UsageError.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace {

// Says so on err when the file is not an MP3 file.
bool IsMp3(const TMp3DataInfo& info, std::ostream& err) {
    if (!info.IsMp3)
        err << "snipora-cut: " << info.FileName << ": not an MP3 file\n";
    return info.IsMp3;
}

int Info(const CommandLine& line, std::ostream& out, std::ostream& err) {
    TOrvoMP3 engine;
    engine.LoadFile(line.Input);
    out << (line.Json ? InfoToJson(engine.Info) + "\n" : InfoToText(engine.Info));
    return IsMp3(engine.Info, err) ? ExitOk : ExitFailed;
}

std::int32_t EndTime(const CommandLine& line, const TMp3DataInfo& info, std::int32_t start) {
    std::int32_t end = line.End.value_or(static_cast<std::int32_t>(
        std::min<std::int64_t>(info.Duration, std::numeric_limits<std::int32_t>::max())));
    if (end >= start)
        return end;
    if (line.End)
        throw UsageError("--end " + std::to_string(end) + " ms is before --start " +
                         std::to_string(start) + " ms");
    throw UsageError("--start " + std::to_string(start) + " ms is past the playing time of " +
                     line.Input + " (" + std::to_string(info.Duration) + " ms)");
}

std::string CannotWriteReason(const CommandLine& line) {
    std::error_code ignored;
    if (std::filesystem::equivalent(line.Input, line.Output, ignored))
        return "is the input file; choose another name";
    if (std::filesystem::is_directory(line.Output, ignored))
        return "is a folder; give a file name";
    return "cannot be created (is the folder there and writable?)";
}

int Cut(const CommandLine& line, std::ostream& out, std::ostream& err) {
    TOrvoMP3 engine;
    engine.LoadFile(line.Input);
    if (!IsMp3(engine.Info, err))
        return ExitFailed;
    // The engine would take a negative start as the beginning but still measure the span
    // from it; --end names an instant, so the span starts at the beginning too.
    std::int32_t start = std::max(line.Start.value_or(0), 0);
    std::int32_t end = EndTime(line, engine.Info, start);
    std::int64_t bytes = 0;
    std::int64_t clipMs = 0;
    if (!engine.SaveClip(start, end, line.Output, BuildTag(line.Tag), bytes, clipMs)) {
        err << "snipora-cut: " << line.Output << ": " << CannotWriteReason(line) << "\n";
        return ExitFailed;
    }
    out << "Wrote " << line.Output << ": " << bytes << " bytes of audio"
        << (line.Tag.Wanted() ? " + ID3v1 tag" : "") << ", " << clipMs << " ms ("
        << MsToTimeText(clipMs) << ")\n";
    return ExitOk;
}

} // namespace

int RunCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    try {
        switch (line.What) {
        case CommandLine::Action::Help:
            out << UsageText;
            return ExitOk;
        case CommandLine::Action::Info:
            return Info(line, out, err);
        case CommandLine::Action::Cut:
            return Cut(line, out, err);
        }
    } catch (const UsageError&) {
        throw;
    } catch (const std::exception& error) {
        std::string files =
            line.What == CommandLine::Action::Cut ? line.Input + " -> " + line.Output : line.Input;
        err << "snipora-cut: " << files << ": " << error.what() << "\n";
        return ExitIoError;
    }
    return ExitUsage;
}
