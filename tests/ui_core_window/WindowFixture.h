#pragma once

#include "Mp3Fixture.h"
#include "RecordingDialogs.h"
#include "UnitVE3Zezeva.h"

#include <QTemporaryDir>

#include <memory>

// Records besides each message box whether the window's busy panel was showing under it.
class TPanelWatchingDialogs : public TRecordingDialogs {
public:
    TFrmVE3Zezeva* Form = nullptr;
    std::vector<bool> BusyPanelShown;

    QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& text,
                                           const QString& caption, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons) override {
        BusyPanelShown.push_back(Form && Form->PanelState->isVisible());
        return TRecordingDialogs::MessageBox(parent, text, caption, icon, buttons);
    }
};

// The real main window, shown, with dialogs answered by the test and a folder for its files.
struct TWindowFixture {
    TWindowFixture();

    // A 60-second stereo file whose tag has a title with trailing blanks, track 7 and genre 8.
    QString WriteTaggedFile(const QString& name = QStringLiteral("Song.mp3"));
    QString Path(const QString& name) const { return folder.filePath(name); }
    // Opens the file through the Open button, answering the dialog with its path.
    void Open(const QString& path);
    // Drags a marker with the left button through the given horizontal offsets.
    void Drag(TImage* marker, std::initializer_list<int> offsets);
    // Puts the caret at `position` in a time field and types `keys` there.
    void Type(TRzMaskEdit* field, int position, const QString& keys);

    TPanelWatchingDialogs dialogs;
    TDialogsReplacement replacement{dialogs};
    QTemporaryDir folder;
    TFrmVE3Zezeva form;
};
