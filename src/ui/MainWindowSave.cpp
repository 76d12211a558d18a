#include "UnitVE3Zezeva.h"

#include "BusyPanel.h"
#include "Dialogs.h"
#include "OrvoMp3.h"
#include "TagFields.h"

#include <QFile>
#include <QLocale>

namespace {

TTagFieldTexts TagFieldsOf(const TFrmVE3Zezeva& form) {
    TTagFieldTexts fields;
    fields.Title = form.RzEdit1->Text().toStdString();
    fields.Artist = form.RzEdit2->Text().toStdString();
    fields.Album = form.RzEdit3->Text().toStdString();
    fields.Year = form.RzEdit6->Text().toStdString();
    fields.Track = form.RzEdit5->Text().toStdString();
    fields.Comment = form.RzEdit7->Text().toStdString();
    fields.GenreIndex = form.RzComboBox1->currentIndex();
    return fields;
}

bool SameNameIgnoringCase(const QString& a, const QString& b) {
    const QLocale locale = QLocale::system();
    return locale.toLower(a) == locale.toLower(b);
}

} // namespace

void TFrmVE3Zezeva::BtnSaveMp3Click(QObject*) {
    if (!SaveDialog1->Execute(this))
        return;
    const QString target = SaveDialog1->FileName;
    if (SameNameIgnoringCase(target, QFile::decodeName(Mp3Engine->Info.FileName.c_str()))) {
        Dialogs().MessageBox(this, Ms_NotSaveName + target, Ms_Info, QMessageBox::Information,
                             QMessageBox::Ok);
        return;
    }

    ShowBusyPanel(*this, Ms_Waiting);
    bool saved = false;
    try {
        // Nothing plays on while the window is busy writing the clip.
        Mp3Engine->Stop();
        const TId3v1Tag tag = BuildId3v1Tag(RzCheckBox1->isChecked(), TagFieldsOf(*this));
        std::int64_t bytesWritten = 0;
        std::int64_t clipMs = 0;
        saved = Mp3Engine->SaveClip(
            static_cast<std::int32_t>(StartPoint), static_cast<std::int32_t>(EndPoint),
            QFile::encodeName(target).toStdString(), tag, bytesWritten, clipMs);
    } catch (...) {
        PanelState->setVisible(false);
        throw;
    }
    PanelState->setVisible(false);
    if (!saved)
        Dialogs().MessageBox(this, Ms_NotSave, Ms_Error, QMessageBox::Critical, QMessageBox::Ok);
}
