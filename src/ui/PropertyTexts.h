#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// Whole kilobytes with the locale's thousands separator, halves away from zero; anything
// below 1024 bytes shows as "1 KB".
QString FileSizeText(std::int64_t size, const QLocale& locale = QLocale::system());
// "MPEG 2.5 Layer 3": the version in its shortest form with the locale's decimal separator.
QString EncodingText(double version, int layer, const QLocale& locale = QLocale::system());
