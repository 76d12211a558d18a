#include "Application.h"
#include "UnitVE3Zezeva.h"
#include "skin/SkinPictures.h"

#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv) {
    // The program reads no arguments: only its own name reaches the application object.
    int ownNameOnly = argc > 0 ? 1 : 0;
    TApplication application(ownNameOnly, argv);
    application.SetTitle(QStringLiteral("Snipora"));
    application.setDesktopFileName(QStringLiteral("snipora"));
    application.setWindowIcon(QIcon(QPixmap::fromImage(Skin::AppIcon())));
    TFrmVE3Zezeva form;
    application.SetMainForm(&form);
    form.show();
    return application.exec();
}
