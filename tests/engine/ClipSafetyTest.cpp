#include "OrvoMp3.h"
#include "StreamBuilder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TId3v1Tag NewTag() {
    TId3v1Tag tag{};
    std::memcpy(tag.Marker, "TAG", 3);
    std::memcpy(tag.Title, "Clip", 4);
    tag.Genre = 255;
    return tag;
}

class ClipSafety : public testing::Test {
protected:
    void SetUp() override {
        engine.LoadFile(WriteFile(Source(), source));
        ASSERT_TRUE(engine.Info.IsMp3);
    }

    bool Save(const std::string& outName) {
        return engine.SaveClip(0, 100000, outName, NewTag(), bytesWritten, clipMs);
    }

    std::string Source() const { return dir / "source.mp3"; }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    const Bytes source = Frames(Mpeg1At44k, 300);
    TOrvoMP3 engine;
    std::int64_t bytesWritten = 0;
    std::int64_t clipMs = 0;
};

// Makes writes past a few kilobytes fail, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};

TEST_F(ClipSafety, FailedWriteLeavesTheExistingOutputAndNoTemporaryFile) {
    const Bytes previous = Text("the user's earlier clip");
    WriteFile(dir / "clip.mp3", previous);
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(Save(dir / "clip.mp3"), std::system_error);
    }
    EXPECT_EQ(ReadFile(dir / "clip.mp3"), previous);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"clip.mp3", "source.mp3"}));
}

TEST_F(ClipSafety, NewClipTakesThePermissionsOfANewFile) {
    const std::string out = WriteFile(dir / "clip.mp3", Text("old"));
    fs::permissions(out, fs::perms::owner_read | fs::perms::owner_write);
    const mode_t saved = ::umask(027);
    const bool saved_ok = Save(out);
    ::umask(saved);
    ASSERT_TRUE(saved_ok);
    struct stat st {};
    ASSERT_EQ(::stat(out.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFile(out).size(), source.size() + 128);
}

TEST_F(ClipSafety, OutputThatCannotBeCreatedIsFalseWithoutAnError) {
    fs::create_directory(dir / "folder");
    const std::string names[] = {dir / "no-such-folder/clip.mp3", dir / "folder", "",
                                 dir / "folder/"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Save(name));
    }
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"folder", "source.mp3"}));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
}

TEST_F(ClipSafety, ReadOnlyOutputIsLeftAlone) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    const Bytes previous = Text("kept");
    const std::string out = WriteFile(dir / "clip.mp3", previous);
    fs::permissions(out, fs::perms::owner_read);
    EXPECT_FALSE(Save(out));
    EXPECT_EQ(ReadFile(out), previous);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"clip.mp3", "source.mp3"}));
}

TEST_F(ClipSafety, SourceIsNeverTheOutputUnderAnyName) {
    fs::create_directory(dir / "sub");
    fs::create_symlink(Source(), dir / "link.mp3");
    fs::create_hard_link(Source(), dir / "hard.mp3");
    const std::string names[] = {Source(), dir / "sub/../source.mp3", dir / "link.mp3",
                                 dir / "hard.mp3"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Save(name));
        EXPECT_EQ(ReadFile(Source()), source);
    }
    EXPECT_EQ(FolderEntries(),
              (std::vector<std::string>{"hard.mp3", "link.mp3", "source.mp3", "sub"}));
}

TEST_F(ClipSafety, NothingIsWrittenWithoutAReadableSource) {
    const std::string out = dir / "clip.mp3";
    fs::remove(Source());
    EXPECT_FALSE(Save(out));
    // A source that exists but cannot be read is an error, not a quiet false.
    fs::create_directory(Source());
    EXPECT_THROW(Save(out), std::system_error);
    EXPECT_FALSE(fs::exists(out));

    engine.LoadFile(WriteFile(dir / "text.txt", Text("not audio")));
    EXPECT_FALSE(Save(out));
    EXPECT_FALSE(fs::exists(out));
}

// A frame that runs past the end of the audio is a cut-off frame, not audio: the clip stops
// before it and still gets its tag, and the playing time does not count it.
TEST(CutOffFrame, EndsTheAudio) {
    const Bytes audio = Frames(Mpeg1At44k, 3);
    Bytes partial = Frame(Mpeg1At44k, 3);
    partial.resize(200);
    const struct {
        const char* name;
        Bytes source;
    } cases[] = {
        {"truncated file", Concat({audio, partial})},
        {"frame running into the ID3v1 tag", Concat({audio, partial, Id3v1Tag("x", 0, 1, 1)})},
        {"frame running into the APE footer", Concat({audio, partial, ApeFooter()})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        TOrvoMP3 engine(WriteFile(dir / "source.mp3", c.source));
        EXPECT_EQ(engine.Info.Duration, 78);
        std::int64_t bytesWritten = 0, clipMs = 0;
        ASSERT_TRUE(engine.SaveClip(0, 100000, dir / "clip.mp3", NewTag(), bytesWritten, clipMs));
        const Bytes clip = ReadFile(dir / "clip.mp3");
        EXPECT_EQ(Bytes(clip.begin(), clip.end() - 128), audio);
        EXPECT_EQ(Bytes(clip.end() - 128, clip.end() - 124), Text("TAGC"));
        EXPECT_EQ(bytesWritten, static_cast<std::int64_t>(audio.size()));
        EXPECT_EQ(clipMs, 78);
    }
}

} // namespace
