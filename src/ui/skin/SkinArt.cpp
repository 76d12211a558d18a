#include "SkinArt.h"

#include "SkinPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

namespace Skin::Art {

QImage NewOpaque(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage NewTransparent(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void SetUpPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont LatinFont(int pixelSize, bool bold) {
    QFont font("DejaVu Sans");
    font.setFamilies({"DejaVu Sans", "Nimbus Sans", "WenQuanYi Zen Hei"});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont ChineseFont(int pixelSize) {
    QFont font("WenQuanYi Zen Hei");
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage FaceOverBackground(const QRect& place, const QImage& layer) {
    // The window paints eighteen faces at start-up; the background under them is the same
    // every time.
    static const QImage background = MainBackground();
    const QImage under = background.copy(place);
    QImage face = under;
    {
        QPainter painter(&face);
        painter.drawImage(0, 0, layer);
    }
    const QRgb olive = Olive.rgb();
    for (int y = 0; y < face.height(); ++y) {
        const auto* below = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            if (line[x] == below[x])
                line[x] = olive;
    }
    return face;
}

QImage Brightened(const QImage& image, int percent) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const auto lift = [percent](int c) { return c + (255 - c) * percent / 100; };
            const QRgb p = line[x];
            line[x] = qRgba(lift(qRed(p)), lift(qGreen(p)), lift(qBlue(p)), qAlpha(p));
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Greyed(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = line[x];
            // Flattened towards a light grey, so a disabled face reads as inactive on blue.
            const int grey = 150 + qGray(p) * 70 / 255;
            line[x] = qRgba(grey, grey, grey + 6, qAlpha(p) * 3 / 4);
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void DrawHeadphones(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 64.0, box.height() / 64.0);

    QPainterPath band;
    band.moveTo(10, 40);
    band.cubicTo(8, 4, 56, 4, 54, 40);
    const auto bandColour =
        TwoTone(QLinearGradient(0, 8, 0, 40), QColor(255, 255, 255), QColor(184, 204, 228));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(24, 66, 120), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(band);
    painter.setPen(QPen(QBrush(bandColour), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(band);
    QPainterPath cushion;
    cushion.moveTo(20, 16);
    cushion.cubicTo(27, 11, 37, 11, 44, 16);
    painter.setPen(QPen(QColor(54, 74, 102), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cushion);

    const auto drawCup = [&painter](qreal shellLeft, qreal padLeft) {
        const QRectF pad(padLeft, 33, 7, 26);
        const auto padColour = TwoTone(QLinearGradient(pad.topLeft(), pad.topRight()),
                                       QColor(70, 82, 104), QColor(34, 42, 58));
        painter.setPen(QPen(QColor(18, 30, 52), 1));
        painter.setBrush(padColour);
        painter.drawRoundedRect(pad, 3.5, 3.5);

        const QRectF shell(shellLeft, 30, 13, 32);
        const auto shellColour = TwoTone(QLinearGradient(shell.topLeft(), shell.bottomRight()),
                                         QColor(255, 255, 255), QColor(170, 194, 224));
        painter.setPen(QPen(QColor(24, 66, 120), 1.2));
        painter.setBrush(shellColour);
        painter.drawRoundedRect(shell, 6, 6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(52, 128, 214));
        painter.drawRoundedRect(shell.adjusted(4, 7, -4, -7), 2.5, 2.5);
    };
    drawCup(2, 13);
    drawCup(49, 44);
    painter.restore();
}

namespace {

// One pass of a box blur along rows (horizontal) or columns over an alpha channel.
void BoxBlur(std::vector<int>& alpha, int width, int height, int radius, bool horizontal) {
    std::vector<int> source = alpha;
    const int length = horizontal ? width : height;
    const int lines = horizontal ? height : width;
    for (int line = 0; line < lines; ++line) {
        const auto at = [&](int i) {
            i = std::clamp(i, 0, length - 1);
            return horizontal ? source[line * width + i] : source[i * width + line];
        };
        for (int i = 0; i < length; ++i) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += (i + k < 0 || i + k >= length) ? 0 : at(i + k);
            (horizontal ? alpha[line * width + i] : alpha[i * width + line]) =
                sum / (2 * radius + 1);
        }
    }
}

} // namespace

void DrawSoftShadow(QPainter& painter, const QImage& shape, QPoint offset, int blurRadius,
                    int opacity) {
    const int margin = blurRadius * 3;
    const int width = shape.width() + 2 * margin;
    const int height = shape.height() + 2 * margin;
    const QImage source = shape.convertToFormat(QImage::Format_ARGB32);
    std::vector<int> alpha(static_cast<std::size_t>(width * height), 0);
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            alpha[(y + margin) * width + x + margin] = qAlpha(source.pixel(x, y));
    for (int pass = 0; pass < 3; ++pass) {
        BoxBlur(alpha, width, height, blurRadius, true);
        BoxBlur(alpha, width, height, blurRadius, false);
    }
    QImage shadow(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            shadow.setPixel(x, y, qRgba(0, 16, 40, alpha[y * width + x] * opacity / 255));
    painter.drawImage(offset - QPoint(margin, margin), shadow);
}

} // namespace Skin::Art
