#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>

namespace {

class TSystemDialogs : public TDialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent,
                                        const TFileDialogRequest& request) override {
        QFileDialog dialog(parent, request.Title, request.Folder, request.Filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return Run(dialog, request);
    }

    std::optional<QString> SaveFileName(QWidget* parent,
                                        const TFileDialogRequest& request) override {
        QFileDialog dialog(parent, request.Title, request.Folder, request.Filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.DefaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
        return Run(dialog, request);
    }

    QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& text,
                                           const QString& caption, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons) override {
        QMessageBox box(icon, caption, text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    void ErrorBox(const QString& text) override {
        MessageBox(QApplication::activeWindow(), text, QApplication::applicationDisplayName(),
                   QMessageBox::Critical, QMessageBox::Ok);
    }

    int ShowModal(QDialog& form) override { return form.exec(); }

private:
    static std::optional<QString> Run(QFileDialog& dialog, const TFileDialogRequest& request) {
        if (!request.SelectedFilter.isEmpty())
            dialog.selectNameFilter(request.SelectedFilter);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

TDialogs*& Current() {
    static TSystemDialogs system;
    static TDialogs* current = &system;
    return current;
}

} // namespace

TDialogs& Dialogs() {
    return *Current();
}

TDialogsReplacement::TDialogsReplacement(TDialogs& replacement) : previous(Current()) {
    Current() = &replacement;
}

TDialogsReplacement::~TDialogsReplacement() {
    Current() = previous;
}
