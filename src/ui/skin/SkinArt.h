#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

class QPainter;
class QRectF;

// Colours, fonts and drawing steps shared by the skin pictures.
namespace Skin::Art {

inline const QColor Magenta{255, 0, 255};
inline const QColor BorderRing{74, 121, 161};
inline const QColor Olive{128, 128, 0};
inline const QColor FrameBlue{50, 152, 204};

constexpr int TitleBandBottom = 104;
constexpr int FooterBandTop = 425;

// Where each bitmap button sits on the main background; its faces are painted over exactly
// that part of the background so their soft edges blend into what the button will cover.
inline const QRect OpenButtonPlace{187, 34, 64, 64};
inline const QRect SaveButtonPlace{267, 34, 64, 64};
inline const QRect AboutButtonPlace{515, 34, 64, 64};
inline const QRect CloseButtonPlace{540, 1, 40, 20};
inline const QRect MinimizeButtonPlace{513, 1, 27, 20};

// The gradient running from one colour at its start to the other at its end.
template <typename Gradient>
Gradient TwoTone(Gradient gradient, const QColor& from, const QColor& to) {
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

QImage NewOpaque(int width, int height, const QColor& fill);
QImage NewTransparent(int width, int height);
void SetUpPainter(QPainter& painter);

QFont LatinFont(int pixelSize, bool bold);
QFont ChineseFont(int pixelSize);

// The picture of the background under `place`, with the content layer painted on it; every
// pixel the layer leaves unchanged turns olive, the colour bitmap buttons leave transparent.
QImage FaceOverBackground(const QRect& place, const QImage& layer);

QImage Brightened(const QImage& image, int percent);
QImage Greyed(const QImage& image);

void DrawHeadphones(QPainter& painter, const QRectF& box);
void DrawSoftShadow(QPainter& painter, const QImage& shape, QPoint offset, int blurRadius,
                    int opacity);

} // namespace Skin::Art
