#include "Application.h"

#include "Dialogs.h"
#include "FontFallbacks.h"

#include <QWidget>
#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallFontFallbacks();
}

void TApplication::SetTitle(const QString& title) {
    setApplicationDisplayName(title);
    if (mainForm)
        mainForm->setWindowTitle(title);
}

void TApplication::SetMainForm(QWidget* form) {
    mainForm = form;
    if (form)
        form->setWindowTitle(Title());
}

void TApplication::Minimize() {
    if (QWidget* form = mainForm ? mainForm.data() : activeWindow())
        form->showMinimized();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}

void ShowException(const std::exception& error) {
    Dialogs().ErrorBox(QString::fromUtf8(error.what()));
}
