#pragma once

#include "Dialogs.h"

#include <QDialog>
#include <QStringList>

// Answers every dialog in place of a person and records what was shown. File dialogs take
// their answers from the lists (an empty list or a null text cancels); message boxes
// answer OK; modal forms return ModalResult.
class TRecordingDialogs : public TDialogs {
public:
    struct TMessage {
        QString Text;
        QString Caption;
        QMessageBox::Icon Icon;
    };

    QStringList OpenAnswers;
    QStringList SaveAnswers;
    std::vector<TFileDialogRequest> OpenRequests;
    std::vector<TFileDialogRequest> SaveRequests;
    std::vector<TMessage> Messages;
    QStringList Errors;
    int ModalResult = QDialog::Rejected;
    int ModalShown = 0;

    std::optional<QString> OpenFileName(QWidget*, const TFileDialogRequest& request) override {
        OpenRequests.push_back(request);
        return Next(OpenAnswers);
    }
    std::optional<QString> SaveFileName(QWidget*, const TFileDialogRequest& request) override {
        SaveRequests.push_back(request);
        return Next(SaveAnswers);
    }
    QMessageBox::StandardButton MessageBox(QWidget*, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons) override {
        Messages.push_back({text, caption, icon});
        return QMessageBox::Ok;
    }
    void ErrorBox(const QString& text) override { Errors.append(text); }
    int ShowModal(QDialog&) override {
        ++ModalShown;
        return ModalResult;
    }

private:
    static std::optional<QString> Next(QStringList& answers) {
        if (answers.isEmpty() || answers.constFirst().isNull()) {
            if (!answers.isEmpty())
                answers.removeFirst();
            return std::nullopt;
        }
        return answers.takeFirst();
    }
};
