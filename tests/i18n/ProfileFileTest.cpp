#include "ProfileFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheValueAsWindowsWould) {
    const ReadCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("test.ini");
    WriteBytes(path, c.file);
    EXPECT_EQ(Profile::ReadString(path, c.section, c.key, "<fallback>"), c.expected);
}

const ReadCase readCases[] = {
    {"NamesIgnoreCase", "[Language]\nDEFAULT=3\n", "LANGUAGE", "default", "3"},
    {"NamesIgnoreSurroundingBlanks", "  [ s ]\n \t key \t=v\n", "s", "key", "v"},
    {"ValueTrimmed", "[s]\nk=  \t a  b \t \n", "s", "k", "a  b"},
    {"DoubleQuotesDropped", "[s]\nk=\"  quoted  \"\n", "s", "k", "  quoted  "},
    {"SingleQuotesDropped", "[s]\nk= 'x' \n", "s", "k", "x"},
    {"OnlyOnePairDropped", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
    {"MismatchedQuotesKept", "[s]\nk=\"x'\n", "s", "k", "\"x'"},
    {"LoneQuoteKept", "[s]\nk=\"\n", "s", "k", "\""},
    {"EqualsSignsBelongToValue", "[s]\nk=a=b\n", "s", "k", "a=b"},
    {"EmptyValueIsNotMissing", "[s]\nk=\n", "s", "k", ""},
    {"CrLfLineEnds", "[s]\r\nk=v\r\n", "s", "k", "v"},
    {"NoFinalLineBreak", "[s]\nk=v", "s", "k", "v"},
    {"Utf8BomIgnored", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "v"},
    {"CommentIgnored", "[s]\n;k=commented\n  ; k=indented\nk=real\n", "s", "k", "real"},
    {"FirstDuplicateKeyWins", "[s]\nk=first\nK=second\n", "s", "k", "first"},
    {"FirstDuplicateSectionWins", "[s]\nk=first\n[S]\nk=second\nj=2\n", "s", "j", "<fallback>"},
    {"KeyOfAnotherSection", "[a]\nk=1\n[b]\nx=2\n", "b", "k", "<fallback>"},
    {"KeyBeforeAnySection", "k=1\n[s]\nx=2\n", "s", "k", "<fallback>"},
    {"MissingSection", "[a]\nk=1\n", "s", "k", "<fallback>"},
    {"LineWithoutEqualsIsNoKey", "[s]\nk\n", "s", "k", "<fallback>"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(readCases),
                         [](const auto& info) { return info.param.name; });

TEST(ProfileReadLimits, LongValuesAreCutAt2047Characters) {
    TempFolder folder;
    const std::string path = folder.File("test.ini");
    const std::string longText(3000, 'x');
    WriteBytes(path, "[s]\nplain=" + longText + "\nquoted=\"" + std::string(2047, 'q') + "\"\n");

    EXPECT_EQ(Profile::ReadString(path, "s", "plain", ""), std::string(2047, 'x'));
    EXPECT_EQ(Profile::ReadString(path, "s", "quoted", ""), std::string(2047, 'q'));
}

TEST(ProfileReadLimits, MissingOrUnreadableFileGivesFallback) {
    TempFolder folder;
    EXPECT_EQ(Profile::ReadString(folder.File("absent.ini"), "s", "k", "7"), "7");
    EXPECT_EQ(Profile::ReadString(folder.Path(), "s", "k", "7"), "7");
    EXPECT_TRUE(Profile::ReadSectionKeys(folder.File("absent.ini"), "s").empty());
}

TEST(ProfileSectionKeys, ListsEachKeyOnceInFileOrder) {
    TempFolder folder;
    const std::string path = folder.File("test.ini");
    WriteBytes(path, "[t]\nz=0\n[S]\r\nLabel3.Caption=a\r\n;c=2\r\n.Caption=b\r\n"
                     "label3.caption=c\r\nnoequals\r\n[t]\r\ny=1\r\n");

    EXPECT_EQ(Profile::ReadSectionKeys(path, "s"),
              (std::vector<std::string>{"Label3.Caption", ".Caption"}));
    EXPECT_TRUE(Profile::ReadSectionKeys(path, "missing").empty());
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOneEntryAndKeepsEveryOtherByte) {
    const WriteCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("test.ini");
    WriteBytes(path, c.before);

    ASSERT_TRUE(Profile::WriteString(path, "LANGUAGE", "Default", "0"));
    EXPECT_EQ(ReadBytes(path), c.after);
    EXPECT_EQ(Profile::ReadString(path, "LANGUAGE", "Default", ""), "0");
}

const WriteCase writeCases[] = {
    {"ReplacesValueInPlace",
     "; head\r\n[other]\r\nDefault=9\r\n\r\n[language]\r\n  default = \"5\" \r\nx=1\r\n",
     "; head\r\n[other]\r\nDefault=9\r\n\r\n[language]\r\n  default =0\r\nx=1\r\n"},
    {"ReplacesOnlyFirstDuplicate", "[LANGUAGE]\nDefault=1\nDefault=2\n",
     "[LANGUAGE]\nDefault=0\nDefault=2\n"},
    {"ReplacesValueOnLastLineWithoutBreak", "[LANGUAGE]\nDefault=12", "[LANGUAGE]\nDefault=0"},
    {"AddsKeyAtEndOfSection", "[LANGUAGE]\nx=1\n; note\n\n[next]\ny=2\n",
     "[LANGUAGE]\nx=1\n; note\nDefault=0\n\n[next]\ny=2\n"},
    {"AddsKeyAfterHeaderWithoutBreak", "[LANGUAGE]", "[LANGUAGE]\nDefault=0\n"},
    {"AddsKeyIgnoringCommentedOne", "[LANGUAGE]\r\n;Default=3\r\n",
     "[LANGUAGE]\r\n;Default=3\r\nDefault=0\r\n"},
    {"AddsSectionAtEnd", "[a]\nx=1\n", "[a]\nx=1\n\n[LANGUAGE]\nDefault=0\n"},
    {"AddsSectionAfterLastLineWithoutBreak", "[a]\r\nx=1",
     "[a]\r\nx=1\r\n\r\n[LANGUAGE]\r\nDefault=0\r\n"},
    {"AddsSectionAfterBlankLine", "[a]\nx=1\n\n", "[a]\nx=1\n\n[LANGUAGE]\nDefault=0\n"},
    {"FillsEmptyFile", "", "[LANGUAGE]\nDefault=0\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(writeCases),
                         [](const auto& info) { return info.param.name; });

TEST(ProfileWriteFile, CreatesMissingFile) {
    TempFolder folder;
    const std::string path = folder.File("Snipora.ini");
    ASSERT_TRUE(Profile::WriteString(path, "LANGUAGE", "Default", "4"));
    EXPECT_EQ(ReadBytes(path), "[LANGUAGE]\nDefault=4\n");
}

TEST(ProfileWriteFile, KeepsPermissionsAndLinks) {
    TempFolder folder;
    const std::string target = folder.File("real.ini");
    const std::string link = folder.File("link.ini");
    WriteBytes(target, "[LANGUAGE]\nDefault=1\n");
    chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, link);

    ASSERT_TRUE(Profile::WriteString(link, "LANGUAGE", "Default", "2"));

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "[LANGUAGE]\nDefault=2\n");
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ProfileWriteFile, FailuresReturnFalseAndLeaveFilesAlone) {
    TempFolder folder;
    const std::string existing = folder.File("test.ini");
    WriteBytes(existing, "[LANGUAGE]\nDefault=1\n");

    // A plain file where a folder should be cannot be written through, not even by root.
    EXPECT_FALSE(Profile::WriteString(existing + "/Snipora.ini", "LANGUAGE", "Default", "0"));
    EXPECT_FALSE(Profile::WriteString(folder.Path(), "LANGUAGE", "Default", "0"));
    EXPECT_FALSE(Profile::WriteString(existing, "LANGUAGE", "Default", "0\n[other]"));
    EXPECT_FALSE(Profile::WriteString(existing, "LANGUAGE\r\nx", "Default", "0"));
    chmod(existing.c_str(), 0444);
    EXPECT_FALSE(Profile::WriteString(existing, "LANGUAGE", "Default", "0")) << "read-only file";

    EXPECT_EQ(ReadBytes(existing), "[LANGUAGE]\nDefault=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

} // namespace
