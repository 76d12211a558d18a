#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

// What a file dialog is asked to show. Filter is in Qt's form: "MP3 (*.mp3);;All (*)".
struct TFileDialogRequest {
    QString Title;
    QString Filter;
    QString SelectedFilter;
    QString Folder;
    QString DefaultSuffix; // appended by a save dialog to a name without one
    bool ConfirmOverwrite = false;
};

// Every window that waits for the user goes through one replaceable object, so tests can
// answer in place of a person.
class TDialogs {
public:
    virtual ~TDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent,
                                                const TFileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent,
                                                const TFileDialogRequest& request) = 0;
    virtual QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& text,
                                                   const QString& caption, QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons) = 0;
    // The box for an error nothing else handled: its own text, a critical icon, OK.
    virtual void ErrorBox(const QString& text) = 0;
    // Shows a form modally and returns its result.
    virtual int ShowModal(QDialog& form) = 0;
};

// The dialogs in use: the system's own unless a replacement is in place.
TDialogs& Dialogs();

// Puts a replacement in place for its own lifetime.
class TDialogsReplacement {
public:
    explicit TDialogsReplacement(TDialogs& replacement);
    ~TDialogsReplacement();
    TDialogsReplacement(const TDialogsReplacement&) = delete;
    TDialogsReplacement& operator=(const TDialogsReplacement&) = delete;

private:
    TDialogs* previous;
};
