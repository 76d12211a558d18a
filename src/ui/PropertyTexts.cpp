#include "PropertyTexts.h"

#include <cmath>

QString FileSizeText(std::int64_t size, const QLocale& locale) {
    if (size < 1024)
        return QStringLiteral("1 KB");
    // The C locale leaves groups out by default; a size always shows them.
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const auto kilobytes = static_cast<qlonglong>(std::round(static_cast<double>(size) / 1024.0));
    return grouped.toString(kilobytes) + QStringLiteral(" KB");
}

QString EncodingText(double version, int layer, const QLocale& locale) {
    return QStringLiteral("MPEG ") + locale.toString(version, 'g', 15) + QStringLiteral(" Layer ") +
           QString::number(layer);
}
