#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The file-open dialog as a component of its form. Filter is in the form
// "Description|Pattern|Description|Pattern"; FilterIndex counts from 1 (0 means 1).
class TOpenDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER Title)
    Q_PROPERTY(QString Filter MEMBER Filter)
    Q_PROPERTY(int FilterIndex MEMBER FilterIndex)
    Q_PROPERTY(QString DefaultExt MEMBER DefaultExt)
    Q_PROPERTY(QString FileName MEMBER FileName)
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TOpenDialog(QObject* parent);

    QString Title;
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    QString FileName;
    int Tag = 0;

    // Shows the dialog over the form; true when the user chose a file, now in FileName. The
    // next showing starts in that file's folder.
    virtual bool Execute(QWidget* parent);
};

class TSaveDialog : public TOpenDialog {
    Q_OBJECT
    Q_PROPERTY(bool OverwritePrompt MEMBER OverwritePrompt)

public:
    explicit TSaveDialog(QObject* parent);

    bool OverwritePrompt = false;

    bool Execute(QWidget* parent) override;
};

// "MP3(*.mp3)|*.mp3" in Qt's form; the selected filter is the FilterIndex-th of them.
struct TQtFilter {
    QString Filters;
    QString Selected;
};
TQtFilter QtFilter(const QString& filter, int filterIndex);
