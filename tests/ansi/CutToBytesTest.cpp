#include "CutToBytes.h"

#include "AnsiCodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Zhong = "\xD6\xD0"; // 中 in code page 936; its second byte is also a lead byte

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST(CutToBytes, NeverSplitsADoubleByteCharacter) {
    AnsiCodePage::ScopedSelection chinese(936);
    const struct {
        std::string text;
        std::size_t n;
        std::string cut;
    } cases[] = {{"", 4, ""},
                 {"abc", 5, "abc"},
                 {"abcdef", 3, "abc"},
                 {Zhong + Zhong, 3, Zhong},
                 {Zhong + Zhong, 4, Zhong + Zhong},
                 {"a" + Zhong, 2, "a"},
                 // Byte 2 is a trail byte that looks like a lead byte: nothing to cut.
                 {Zhong + Zhong, 2, Zhong},
                 {Zhong + "x", 2, Zhong},
                 // 31 bytes whose 30th byte starts a character keep 29.
                 {"a" + Repeat(Zhong, 15), 30, "a" + Repeat(Zhong, 14)},
                 // A lone lead byte at the very end is kept when it fits.
                 {"ab\x81", 30, "ab\x81"}};
    for (const auto& c : cases)
        EXPECT_EQ(CutToBytes(c.text, c.n), c.cut) << c.text.size() << " bytes cut to " << c.n;
}

TEST(CutToBytes, CutsSingleByteTextAtTheWidth) {
    AnsiCodePage::ScopedSelection western(1252);
    EXPECT_EQ(CutToBytes("\xE9\xE9\xE9", 2), "\xE9\xE9");
}

} // namespace
