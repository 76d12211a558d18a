#include "SkinPictures.h"

#include <QColor>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace Skin;

struct Picture {
    const char* name;
    std::function<QImage()> make;
    QSize size;
};

void PrintTo(const Picture& picture, std::ostream* os) {
    *os << picture.name;
}

const Picture pictures[] = {
    {"MainBackground", MainBackground, {592, 452}},
    {"OpenUp", [] { return OpenButtonFace(Face::Up, Captions::English); }, {64, 64}},
    {"SaveDisabled", [] { return SaveButtonFace(Face::Disabled, Captions::Chinese); }, {64, 64}},
    {"AboutHot", [] { return AboutButtonFace(Face::Hot, Captions::Chinese); }, {64, 64}},
    {"Close", [] { return CloseButtonFace(Face::Hot); }, {40, 20}},
    {"Minimize", [] { return MinimizeButtonFace(Face::Up); }, {27, 20}},
    {"TrackThumb", TrackThumb, {54, 18}},
    {"PlayGlyph", PlayGlyph, {16, 16}},
    {"StopGlyph", StopGlyph, {16, 16}},
    {"FileLoadedIcon", FileLoadedIcon, {16, 16}},
    {"NoFileIcon", NoFileIcon, {16, 16}},
    {"BusyPlate", BusyPlate, {190, 50}},
    {"AppIcon", AppIcon, {64, 64}},
};

class SkinPictureSize : public testing::TestWithParam<Picture> {};

TEST_P(SkinPictureSize, IsExact) {
    EXPECT_EQ(GetParam().make().size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(All, SkinPictureSize, testing::ValuesIn(pictures),
                         [](const auto& info) { return info.param.name; });

TEST(MainBackground, MagentaFrameAndBorderRingEnclosePictureWithoutMagenta) {
    const QImage image = MainBackground();
    const QRgb magenta = qRgb(255, 0, 255);
    const QRgb ring = qRgb(74, 121, 161);
    const auto at = [&image](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
    for (int x = 0; x < 592; ++x) {
        ASSERT_EQ(at(x, 0), magenta & 0xFFFFFF) << "top, x " << x;
        ASSERT_EQ(at(x, 451), magenta & 0xFFFFFF) << "bottom, x " << x;
    }
    for (int y = 0; y < 452; ++y) {
        ASSERT_EQ(at(0, y), magenta & 0xFFFFFF) << "left, y " << y;
        ASSERT_EQ(at(591, y), magenta & 0xFFFFFF) << "right, y " << y;
    }
    for (int x = 1; x <= 590; ++x) {
        ASSERT_EQ(at(x, 1), ring & 0xFFFFFF) << "ring top, x " << x;
        ASSERT_EQ(at(x, 450), ring & 0xFFFFFF) << "ring bottom, x " << x;
    }
    for (int y = 1; y <= 450; ++y) {
        ASSERT_EQ(at(1, y), ring & 0xFFFFFF) << "ring left, y " << y;
        ASSERT_EQ(at(590, y), ring & 0xFFFFFF) << "ring right, y " << y;
    }
    // The window shows everything inside the ring; magenta there would leak into view.
    for (int y = 2; y <= 449; ++y)
        for (int x = 2; x <= 589; ++x)
            ASSERT_NE(at(x, y), magenta & 0xFFFFFF) << x << ", " << y;
}

TEST(MainBackground, BodyIsWhiteBetweenTheBands) {
    const QImage image = MainBackground();
    for (const int y : {105, 424})
        for (int x = 2; x <= 589; ++x)
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << ", " << y;
    EXPECT_GT(qBlue(image.pixel(300, 104)), qRed(image.pixel(300, 104)) + 60) << "title band";
    EXPECT_GT(qBlue(image.pixel(300, 425)), qRed(image.pixel(300, 425)) + 60) << "footer band";
}

struct ButtonFace {
    const char* name;
    std::function<QImage(Face)> make;
    bool hasDisabled;
};

void PrintTo(const ButtonFace& face, std::ostream* os) {
    *os << face.name;
}

const ButtonFace buttonFaces[] = {
    {"OpenEnglish", [](Face f) { return OpenButtonFace(f, Captions::English); }, false},
    {"OpenChinese", [](Face f) { return OpenButtonFace(f, Captions::Chinese); }, false},
    {"SaveEnglish", [](Face f) { return SaveButtonFace(f, Captions::English); }, true},
    {"SaveChinese", [](Face f) { return SaveButtonFace(f, Captions::Chinese); }, true},
    {"AboutEnglish", [](Face f) { return AboutButtonFace(f, Captions::English); }, false},
    {"AboutChinese", [](Face f) { return AboutButtonFace(f, Captions::Chinese); }, false},
    {"Close", [](Face f) { return CloseButtonFace(f); }, false},
    {"Minimize", [](Face f) { return MinimizeButtonFace(f); }, false},
};

class SkinButtonFace : public testing::TestWithParam<ButtonFace> {
protected:
    std::vector<Face> Faces() const {
        if (GetParam().hasDisabled)
            return {Face::Up, Face::Hot, Face::Disabled};
        return {Face::Up, Face::Hot};
    }
};

constexpr QRgb olive = qRgb(128, 128, 0);

bool IsOlive(const QImage& image, int x, int y) {
    return (image.pixel(x, y) | 0xFF000000) == olive;
}

// Mean brightness and colourfulness of a face where both it and `other` show pixels.
struct Look {
    double brightness = 0;
    double saturation = 0;
};

Look LookOf(const QImage& face, const QImage& other) {
    Look look;
    int count = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            if (IsOlive(face, x, y) || IsOlive(other, x, y))
                continue;
            const QColor colour = face.pixelColor(x, y);
            look.brightness += colour.valueF();
            look.saturation += colour.hsvSaturationF();
            ++count;
        }
    look.brightness /= count;
    look.saturation /= count;
    return look;
}

// A button leaves exactly olive transparent. Soft edges painted onto olive would keep part of
// it and show as a yellowish fringe: red and green alike, blue well below them.
TEST_P(SkinButtonFace, EdgesCarryNoOliveTint) {
    for (const Face face : Faces()) {
        const QImage image = GetParam().make(face);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (IsOlive(image, x, y))
                    continue;
                const bool edge = (x > 0 && IsOlive(image, x - 1, y)) ||
                                  (y > 0 && IsOlive(image, x, y - 1)) ||
                                  (x + 1 < image.width() && IsOlive(image, x + 1, y)) ||
                                  (y + 1 < image.height() && IsOlive(image, x, y + 1));
                const QRgb p = image.pixel(x, y);
                const bool tinted = std::abs(qRed(p) - qGreen(p)) < 32 &&
                                    qBlue(p) + 48 < std::min(qRed(p), qGreen(p));
                ASSERT_FALSE(edge && tinted) << "face " << int(face) << " at " << x << ", " << y
                                             << ": " << QColor(p).name().toStdString();
            }
    }
}

TEST_P(SkinButtonFace, HotIsBrighterAndDisabledIsGrey) {
    const QImage up = GetParam().make(Face::Up);
    const QImage hot = GetParam().make(Face::Hot);
    EXPECT_GT(LookOf(hot, up).brightness, LookOf(up, hot).brightness);
    if (GetParam().hasDisabled) {
        const QImage disabled = GetParam().make(Face::Disabled);
        EXPECT_LT(LookOf(disabled, up).saturation, LookOf(up, disabled).saturation);
    }
}

INSTANTIATE_TEST_SUITE_P(All, SkinButtonFace, testing::ValuesIn(buttonFaces),
                         [](const auto& info) { return info.param.name; });

TEST(SkinButtonFace, BigFacesShowTheBackgroundAroundTheirPlate) {
    for (const QImage& face :
         {OpenButtonFace(Face::Hot, Captions::English), SaveButtonFace(Face::Up, Captions::Chinese),
          AboutButtonFace(Face::Hot, Captions::Chinese)}) {
        for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)})
            EXPECT_EQ(face.pixel(corner) | 0xFF000000, olive) << corner.x() << ", " << corner.y();
    }
}

TEST(SkinButtonFace, CaptionFollowsTheLanguage) {
    EXPECT_NE(OpenButtonFace(Face::Up, Captions::English),
              OpenButtonFace(Face::Up, Captions::Chinese));
    EXPECT_NE(SaveButtonFace(Face::Disabled, Captions::English),
              SaveButtonFace(Face::Disabled, Captions::Chinese));
}

TEST(SkinGlyphs, SmallPicturesAreTransparentAroundTheirShape) {
    for (const QImage& image : {PlayGlyph(), StopGlyph(), FileLoadedIcon(), NoFileIcon()}) {
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(15, 15)), 0);
        EXPECT_EQ(qAlpha(image.pixel(8, 8)), 255);
    }
}

} // namespace
