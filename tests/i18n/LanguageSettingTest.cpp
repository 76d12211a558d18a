#include "LanguageSetting.h"
#include "ProfileFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class LanguageSettingSave : public testing::Test {
protected:
    void TearDown() override { LanguageIndex = 0; }
    TempFolder folder;
};

TEST_F(LanguageSettingSave, WritesTheIndexAsDecimalAndKeepsOtherEntries) {
    const std::string path = folder.File("Snipora.ini");
    WriteBytes(path, "[Window]\r\nLeft=10\r\n[language]\r\ndefault=6\r\n");
    LanguageIndex = 7;

    SaveLanguageSetting(folder.Path());

    EXPECT_EQ(ReadBytes(path), "[Window]\r\nLeft=10\r\n[language]\r\ndefault=7\r\n");
}

TEST_F(LanguageSettingSave, CreatesTheFileWithIndexZero) {
    SaveLanguageSetting(folder.Path());
    EXPECT_EQ(Profile::ReadString(folder.File("Snipora.ini"), "LANGUAGE", "Default", ""), "0");
}

TEST_F(LanguageSettingSave, FailedWriteThrowsWithThePath) {
    WriteBytes(folder.File("plainfile"), "");
    const std::string appDir = folder.File("plainfile/");
    try {
        SaveLanguageSetting(appDir);
        FAIL() << "expected an error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), ("Unable to write to " + appDir + "Snipora.ini").c_str());
    }
}

} // namespace
