// Runs the built snipora-cut on small files made here and checks what a script would see:
// exit status, messages, and the clip's bytes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// MPEG-1 layer III, 128 kbit/s, 44100 Hz, no padding: 417 bytes, 26.122448979591837 ms.
constexpr std::size_t FrameBytes = 417;
constexpr int SourceFrames = 100;

std::string Frame(int index) {
    std::string frame(FrameBytes, '\0');
    frame.replace(0, 4, "\xFF\xFB\x90\x44");
    frame.back() = static_cast<char>(index); // tells the frames apart in a clip
    return frame;
}

std::string Frames(int first, int count) {
    std::string frames;
    for (int i = first; i < first + count; ++i)
        frames += Frame(i);
    return frames;
}

std::string Id3v1(const std::string& title, std::uint8_t track, std::uint8_t genre) {
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, title.size(), title);
    tag[126] = static_cast<char>(track);
    tag[127] = static_cast<char>(genre);
    return tag;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class CutTool : public testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(testing::TempDir()) /
              ("snipora-cut-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        source = Frames(0, SourceFrames);
        WriteAll(dir / "song.mp3", source + Id3v1("Song", 3, 17));
        WriteAll(dir / "notes.txt", "these are not MP3 frames\n");
        fs::create_symlink("song.mp3", dir / "link.mp3");
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome Cut(const std::vector<std::string>& args, const std::string& stdoutTo = "") {
        std::string command = Quoted(SNIPORA_CUT);
        for (const std::string& arg : args)
            command += " " + Quoted(arg);
        fs::path out = dir / "stdout", err = dir / "stderr";
        command += " >" + Quoted(stdoutTo.empty() ? out.string() : stdoutTo) + " 2>" +
                   Quoted(err.string());
        int raw = std::system(command.c_str());
        Outcome run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
        fs::remove(out);
        return run;
    }

    std::string In(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    std::string source;
};

TEST_F(CutTool, ExitStatusAndMessageForEachOutcome) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out; // expected in stdout
        std::string err; // expected in stderr
    } cases[] = {
        {{"--help"}, 0, "usage: snipora-cut", ""},
        {{}, 2, "", "usage: snipora-cut"},
        {{"--start", "1:99", In("song.mp3"), In("clip.mp3")}, 2, "", "--start"},
        {{"--start", "4294967296", In("song.mp3"), In("clip.mp3")}, 2, "", "out of range"},
        {{"--start", "2000", "--end", "1000", In("song.mp3"), In("clip.mp3")}, 2, "", "before"},
        {{"--start", "9000", In("song.mp3"), In("clip.mp3")}, 2, "", "past the playing time"},
        {{"--info", In("notes.txt")}, 1, "IsMp3: false", "notes.txt: not an MP3 file"},
        {{In("notes.txt"), In("clip.mp3")}, 1, "", "notes.txt: not an MP3 file"},
        {{In("song.mp3"), In("no-such-folder/clip.mp3")}, 1, "", "clip.mp3: cannot be created"},
        {{In("song.mp3"), In("song.mp3")}, 1, "", "is the input file"},
        {{In("song.mp3"), In("link.mp3")}, 1, "", "is the input file"},
        {{In("song.mp3"), dir.string()}, 1, "", "is a folder"},
        {{"--info", In("missing.mp3")}, 3, "", "missing.mp3"},
        {{In("missing.mp3"), In("clip.mp3")}, 3, "", "missing.mp3"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const std::string& arg : c.args)
            joined += arg + " ";
        Outcome run = Cut(c.args);
        EXPECT_EQ(run.status, c.status) << joined << "\n" << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << joined << "\n" << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << joined << "\n" << run.err;
        EXPECT_FALSE(fs::exists(dir / "clip.mp3")) << joined;
        EXPECT_EQ(ReadAll(dir / "song.mp3"), source + Id3v1("Song", 3, 17)) << joined;
    }
}

TEST_F(CutTool, InfoAsJson) {
    Outcome run = Cut({"--info", "--json", In("song.mp3")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"FileName\":\"" + In("song.mp3") +
                           R"(","FileSize":41828,"IsMp3":true,"Bitrate":128,"SampleRate":44100,)"
                           R"("FrameSize":417,"Version":1,"Layer":3,"Padding":0,"Mono":false,)"
                           R"("Xing":false,"Id3v1Size":128,"Id3v2Size":0,"ApeSize":0,"ZeroPad":0,)"
                           R"("Duration":2612,"Id3Tag":{"Title":"Song","Artist":"","Album":"",)"
                           R"("Year":"","Comment":"","Track":3,"Genre":17}})"
                           "\n");
}

TEST_F(CutTool, ClipHoldsTheWholeFramesThatCoverTheRange) {
    struct Case {
        std::vector<std::string> times;
        int firstFrame;
        int frames;
        std::string clipMs;
    } cases[] = {
        // 38 frames end at 992.7 ms, so the frame holding 1000 ms is left out.
        {{"--start", "1000", "--end", "2000"}, 39, 39, "1018 ms (000:00:01.018)"},
        {{"--start=0:01", "--end=0:00:02.000"}, 39, 39, "1018 ms"},
        {{"--start", "-5", "--end", "100"}, 0, 4, "104 ms"}, // the span counts from 0
        {{}, 0, SourceFrames, "2612 ms"},
    };
    for (const Case& c : cases) {
        WriteAll(dir / "clip.mp3", std::string(100000, 'x')); // replaced, not appended to
        std::vector<std::string> args = c.times;
        args.insert(args.end(), {In("song.mp3"), In("clip.mp3")});
        Outcome run = Cut(args);
        std::string label = c.times.empty() ? "whole file" : c.times[1];
        EXPECT_EQ(run.status, 0) << label << "\n" << run.err;
        EXPECT_TRUE(ReadAll(dir / "clip.mp3") == Frames(c.firstFrame, c.frames)) << label;
        std::string bytes = std::to_string(c.frames * FrameBytes) + " bytes of audio, ";
        EXPECT_NE(run.out.find(bytes + c.clipMs), std::string::npos) << label << "\n" << run.out;
    }
}

TEST_F(CutTool, TagOptionsGiveTheClipAnId3v1Tag) {
    std::string forty(40, 't');
    Outcome run = Cut({"--end", "50", "--title", forty, "--comment", forty, "--track", "5",
                       "--genre", "rock", "--year", "1999", In("song.mp3"), In("clip.mp3")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("+ ID3v1 tag"), std::string::npos) << run.out;
    std::string tag = Id3v1(forty.substr(0, 30), 5, 17);
    tag.replace(93, 4, "1999");
    tag.replace(97, 28, forty.substr(0, 28));
    EXPECT_TRUE(ReadAll(dir / "clip.mp3") == Frames(0, 2) + tag);

    run = Cut({"--end", "50", "--year", "", In("song.mp3"), In("clip.mp3")});
    EXPECT_TRUE(ReadAll(dir / "clip.mp3") == Frames(0, 2) + Id3v1("", 0, 255));
}

TEST_F(CutTool, AnOutputThatCannotBeWrittenIsAnIoError) {
    Outcome run = Cut({"--info", In("song.mp3")}, "/dev/full");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("standard output"), std::string::npos) << run.err;
}

} // namespace
