#include "MarkerPictures.h"
#include "SkinArt.h"
#include "SkinPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

QImage WithoutOlive(const QImage& face) {
    QImage image = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == Skin::Art::Olive.rgb())
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

// The pictures in their places on the main window, to judge them together.
QImage Preview(Skin::Captions captions) {
    using namespace Skin;
    using namespace Skin::Art;
    QImage image = MainBackground();
    QPainter painter(&image);
    painter.drawImage(OpenButtonPlace.topLeft(), WithoutOlive(OpenButtonFace(Face::Up, captions)));
    painter.drawImage(SaveButtonPlace.topLeft(),
                      WithoutOlive(SaveButtonFace(Face::Disabled, captions)));
    painter.drawImage(AboutButtonPlace.topLeft(),
                      WithoutOlive(AboutButtonFace(Face::Hot, captions)));
    painter.drawImage(CloseButtonPlace.topLeft(), WithoutOlive(CloseButtonFace(Face::Up)));
    painter.drawImage(MinimizeButtonPlace.topLeft(), WithoutOlive(MinimizeButtonFace(Face::Up)));
    painter.drawImage(129, 173, MarkerPicture(Marker::Start, true));
    painter.drawImage(560, 173, MarkerPicture(Marker::End, true));
    painter.fillRect(QRect(136, 197, 433, 4), FrameBlue);
    painter.drawImage(QPoint(300, 190), TrackThumb(), QRect(0, 0, 18, 18));
    painter.drawImage(QPoint(340, 190), TrackThumb(), QRect(18, 0, 18, 18));
    painter.drawImage(QPoint(380, 190), TrackThumb(), QRect(36, 0, 18, 18));
    painter.drawImage(420, 120, PlayGlyph());
    painter.drawImage(510, 120, StopGlyph());
    painter.drawImage(201, 251, BusyPlate());
    painter.drawImage(10, 430, FileLoadedIcon());
    painter.drawImage(566, 430, NoFileIcon());
    painter.drawImage(60, 300, AppIcon());

    // Stand-ins for the labels the window puts over the pictures.
    QFont bold("DejaVu Sans");
    bold.setPixelSize(11);
    bold.setBold(true);
    QFont plain("WenQuanYi Zen Hei");
    plain.setPixelSize(12);
    painter.setPen(Qt::white);
    painter.setFont(bold);
    painter.drawText(12, 19, "Snipora 2.2.7");
    painter.setFont(plain);
    painter.drawText(233, 251 + 31, QString::fromUtf8("正在打开......"));
    painter.drawText(
        30, 442,
        QString::fromUtf8("点击“打开”选择MP3文件，拖动①和②设定起止点，然后点击“保存”新MP3文件。"));
    return image;
}

using Named = std::pair<QString, QImage>;

std::vector<Named> SkinPictures() {
    using namespace Skin;
    std::vector<Named> pictures{
        {"MainBackground", MainBackground()},
        {"CloseUp", CloseButtonFace(Face::Up)},
        {"CloseHot", CloseButtonFace(Face::Hot)},
        {"MinimizeUp", MinimizeButtonFace(Face::Up)},
        {"MinimizeHot", MinimizeButtonFace(Face::Hot)},
        {"TrackThumb", TrackThumb()},
        {"PlayGlyph", PlayGlyph()},
        {"StopGlyph", StopGlyph()},
        {"FileLoadedIcon", FileLoadedIcon()},
        {"NoFileIcon", NoFileIcon()},
        {"BusyPlate", BusyPlate()},
        {"AppIcon", AppIcon()},
    };
    const std::pair<Captions, QString> languages[] = {{Captions::English, "En"},
                                                      {Captions::Chinese, "Zh"}};
    const std::pair<Face, QString> faces[] = {
        {Face::Up, "Up"}, {Face::Hot, "Hot"}, {Face::Disabled, "Disabled"}};
    for (const auto& [captions, language] : languages) {
        for (const auto& [face, faceName] : faces) {
            const QString suffix = faceName + language;
            if (face != Face::Disabled) {
                pictures.emplace_back("Open" + suffix, OpenButtonFace(face, captions));
                pictures.emplace_back("About" + suffix, AboutButtonFace(face, captions));
            }
            pictures.emplace_back("Save" + suffix, SaveButtonFace(face, captions));
        }
        pictures.emplace_back("Preview" + language, Preview(captions));
    }
    return pictures;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path))
        return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool assets = args.size() == 3 && args[1] == "--assets";
    if (args.size() != 2 && !assets) {
        std::fprintf(stderr, "usage: snipora-skin-export [--assets] <folder>\n");
        return 2;
    }
    const QDir folder(args.last());
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "Cannot create %s\n", qPrintable(args.last()));
        return 1;
    }

    bool ok = true;
    if (assets) {
        using Skin::Marker;
        ok &= Save(Skin::MarkerPicture(Marker::Start, true), folder.filePath("MarkStart.bmp"));
        ok &= Save(Skin::MarkerPicture(Marker::End, true), folder.filePath("MarkEnd.bmp"));
        ok &= Save(Skin::MarkerPicture(Marker::Start, false), folder.filePath("MarkStartD.bmp"));
        ok &= Save(Skin::MarkerPicture(Marker::End, false), folder.filePath("MarkEndD.bmp"));
        ok &= Save(Skin::AppIcon(), folder.filePath("snipora.png"));
    } else {
        for (const auto& [name, image] : SkinPictures())
            ok &= Save(image, folder.filePath(name + ".png"));
    }
    return ok ? 0 : 1;
}
