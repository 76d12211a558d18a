#pragma once

#include <QImage>

// Every skin picture of the program, painted in code at its exact size. Faces of bitmap
// buttons are painted on olive (128, 128, 0), the colour the buttons leave transparent; their
// soft edges are blended with the main background at the button's place, so they belong
// there. The thumb strip and the busy plate are opaque on white, the glyphs and the 16x16
// file icons and the app icon carry an alpha channel. Text needs a QGuiApplication.
namespace Skin {

enum class Face { Up, Hot, Disabled };
enum class Captions { English, Chinese };

QImage MainBackground();                              // 592x452
QImage OpenButtonFace(Face face, Captions captions);  // 64x64, Up and Hot
QImage SaveButtonFace(Face face, Captions captions);  // 64x64, Up, Hot and Disabled
QImage AboutButtonFace(Face face, Captions captions); // 64x64, Up and Hot
QImage CloseButtonFace(Face face);                    // 40x20, Up and Hot
QImage MinimizeButtonFace(Face face);                 // 27x20, Up and Hot
QImage TrackThumb();                                  // 54x18: three 18x18 thumbs side by side
QImage PlayGlyph();                                   // 16x16
QImage StopGlyph();                                   // 16x16
QImage FileLoadedIcon();                              // 16x16
QImage NoFileIcon();                                  // 16x16
QImage BusyPlate();                                   // 190x50
QImage AppIcon();                                     // 64x64

} // namespace Skin
