#include "PropertyTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(FileSizeText, RoundsHalvesAwayFromZeroAndGroupsThousands) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct {
        std::int64_t size;
        const char* text;
    } cases[] = {{-5, "1 KB"},   {0, "1 KB"},           {1023, "1 KB"},
                 {1024, "1 KB"}, {1535, "1 KB"},        {1536, "2 KB"},
                 {2560, "3 KB"}, {1048576, "1,024 KB"}, {5000000000, "4,882,813 KB"}};
    for (const auto& c : cases)
        EXPECT_EQ(FileSizeText(c.size, english).toStdString(), c.text) << c.size;
}

TEST(FileSizeText, UsesTheLocaleSeparatorEvenInTheCLocale) {
    EXPECT_EQ(FileSizeText(1048576, QLocale(QLocale::German, QLocale::Germany)).toStdString(),
              "1.024 KB");
    EXPECT_EQ(FileSizeText(1048576, QLocale::c()).toStdString(), "1,024 KB");
}

TEST(EncodingText, ShowsTheShortestVersionWithTheLocaleDecimalSeparator) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(EncodingText(1, 3, english).toStdString(), "MPEG 1 Layer 3");
    EXPECT_EQ(EncodingText(2, 2, english).toStdString(), "MPEG 2 Layer 2");
    EXPECT_EQ(EncodingText(2.5, 3, english).toStdString(), "MPEG 2.5 Layer 3");
    EXPECT_EQ(EncodingText(2.5, 3, german).toStdString(), "MPEG 2,5 Layer 3");
}

} // namespace
