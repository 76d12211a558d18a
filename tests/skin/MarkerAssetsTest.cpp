#include "MarkerPictures.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Skin::Marker;

struct MarkerFile {
    const char* name;
    Marker marker;
    bool enabled;
};

void PrintTo(const MarkerFile& file, std::ostream* os) {
    *os << file.name;
}

const MarkerFile markerFiles[] = {
    {"MarkStart", Marker::Start, true},
    {"MarkEnd", Marker::End, true},
    {"MarkStartD", Marker::Start, false},
    {"MarkEndD", Marker::End, false},
};

class MarkerAsset : public testing::TestWithParam<MarkerFile> {
protected:
    QString Path() const { return QString(ASSETS_DIR) + GetParam().name + ".bmp"; }
};

TEST_P(MarkerAsset, IsA24BitBitmapMadeByTheGenerator) {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << Path().toStdString();
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(header[28], 24) << "bits per pixel";

    const QImage stored(Path());
    const QImage generated = Skin::MarkerPicture(GetParam().marker, GetParam().enabled);
    ASSERT_EQ(stored.size(), QSize(16, 16));
    // A little room for font rendering that differs between machines.
    const QImage storedRgb = stored.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb a = storedRgb.pixel(x, y), b = generated.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 24) << "assets/ is out of date: run snipora-skin-export --assets assets";
}

// The form draws the marker's white transparent. White inside the shape would become a hole,
// so every white pixel must belong to the background around it.
TEST_P(MarkerAsset, WhiteIsOnlyTheSurroundingBackground) {
    const QImage image = QImage(Path()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(16, 16));
    const QRgb white = qRgb(255, 255, 255);
    ASSERT_EQ(image.pixel(0, 15), white) << "bottom-left pixel names the transparent colour";

    std::vector<bool> reached(256, false);
    std::vector<QPoint> pending;
    for (int i = 0; i < 16; ++i)
        for (const QPoint edge : {QPoint(i, 0), QPoint(i, 15), QPoint(0, i), QPoint(15, i)})
            pending.push_back(edge);
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() > 15 || p.y() > 15 || reached[p.y() * 16 + p.x()] ||
            image.pixel(p) != white)
            continue;
        reached[p.y() * 16 + p.x()] = true;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            pending.push_back(p + step);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_FALSE(image.pixel(x, y) == white && !reached[y * 16 + x]) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(All, MarkerAsset, testing::ValuesIn(markerFiles),
                         [](const auto& info) { return info.param.name; });

} // namespace
