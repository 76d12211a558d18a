#pragma once

#include <QApplication>
#include <QPointer>

// The application object. An error that escapes any handler is shown in the error box with
// its own text, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)

public:
    TApplication(int& argc, char** argv);

    QString Title() const { return applicationDisplayName(); }
    // The name of the program on the taskbar; the main form's title follows it.
    void SetTitle(const QString& title);
    void SetMainForm(QWidget* form);
    QWidget* MainForm() const { return mainForm; }
    void Minimize();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> mainForm;
};

// Shows an error that no handler dealt with.
void ShowException(const std::exception& error);
