#include "FontFallbacks.h"

#include <QFont>
#include <QStringList>

void InstallFontFallbacks() {
    const QString cjk = QStringLiteral("WenQuanYi Zen Hei");
    QFont::insertSubstitutions(QStringLiteral("宋体"), {cjk});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), cjk});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("DejaVu Sans")});
}
