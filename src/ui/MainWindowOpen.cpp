#include "UnitVE3Zezeva.h"

#include "BusyPanel.h"
#include "Dialogs.h"
#include "GuardedText.h"
#include "OrvoMp3.h"
#include "PropertyTexts.h"
#include "TagFields.h"
#include "TimeText.h"

#include <QFile>

#include <exception>

namespace {

const QString ZeroTime = QStringLiteral("000:00:00.000");

void ShowTagFields(TFrmVE3Zezeva& form, const TId3v1Tag& tag) {
    const TTagFieldTexts fields = TagFieldTexts(tag);
    form.RzEdit1->SetText(QString::fromStdString(fields.Title));
    form.RzEdit2->SetText(QString::fromStdString(fields.Artist));
    form.RzEdit3->SetText(QString::fromStdString(fields.Album));
    form.RzEdit5->SetText(QString::fromStdString(fields.Track));
    form.RzEdit6->SetText(QString::fromStdString(fields.Year));
    form.RzEdit7->SetText(QString::fromStdString(fields.Comment));
    form.RzComboBox1->setCurrentIndex(fields.GenreIndex);
}

void ShowProperties(TFrmVE3Zezeva& form, const TMp3DataInfo& info) {
    form.Label24->SetCaption(FileSizeText(info.FileSize));
    form.Label18->SetCaption(EncodingText(info.Version, info.Layer));
    form.Label19->SetCaption(info.Mono ? form.Ms_Mono : form.Ms_Stereo);
    form.Label20->SetCaption(QString::number(info.SampleRate) + QStringLiteral(" Hz"));
    form.Label21->SetCaption(QString::number(info.Bitrate) + QStringLiteral(" Kbps"));
    form.Label22->SetCaption(QString::fromStdString(MsToTimeText(info.Duration)));
}

// Empties everything that describes a file: position, tag fields, properties and times.
void ClearFileDisplay(TFrmVE3Zezeva& form) {
    form.TrackBarPos->setEnabled(false);
    form.TrackBarPos->setValue(0);
    form.RzCheckBox1->setChecked(false);
    form.RzCheckBox1->setEnabled(false);
    for (TRzEdit* edit :
         {form.RzEdit1, form.RzEdit2, form.RzEdit3, form.RzEdit5, form.RzEdit6, form.RzEdit7})
        edit->SetText(QString());
    form.RzComboBox1->setCurrentIndex(-1);
    for (TLabel* label :
         {form.Label18, form.Label19, form.Label20, form.Label21, form.Label22, form.Label24})
        label->SetCaption(QString());

    SetTextGuarded(*form.RzMaskEdit1, ZeroTime);
    SetTextGuarded(*form.RzMaskEdit2, ZeroTime);
    form.Label1->SetCaption(ZeroTime);
}

void ShowLoadedFile(TFrmVE3Zezeva& form, const TMp3DataInfo& info) {
    form.TrackBarPos->setEnabled(true);
    form.TrackBarPos->setMaximum(static_cast<int>(info.Duration));
    form.Label1->SetCaption(QStringLiteral("00:00:00.000"));
    form.RzCheckBox1->setEnabled(true);
    form.RzCheckBox1->setChecked(info.Id3v1Size > 0);
    if (form.RzCheckBox1->isChecked())
        ShowTagFields(form, info.Id3Tag);
    ShowProperties(form, info);
    form.BtnPlayStart->setEnabled(true);
    form.BtnStop->setEnabled(false);
    form.ImageFileState2->setVisible(false);
    form.ImageFileState1->setVisible(true);
    form.BtnSaveMp3->setEnabled(true);
}

} // namespace

void TFrmVE3Zezeva::BtnOpenMp3Click(QObject*) {
    if (!OpenDialog1->Execute(this))
        return;
    const QString path = OpenDialog1->FileName;

    // The old file's playback and its poll end first: the poll would otherwise enable Play and
    // Save again when that playback ends, whatever this file turns out to be.
    TimerPos->SetEnabled(false);
    Mp3Engine->Stop();
    ShowBusyPanel(*this, Ms_Opening);

    // A missing marker picture must not stop the window halfway: the opening goes on and
    // the first such failure is reported once at the end.
    std::exception_ptr pictureFailure;
    const auto setupMarkers = [&](bool enabled) {
        try {
            SetupMarkers(enabled);
        } catch (const std::exception&) {
            if (!pictureFailure)
                pictureFailure = std::current_exception();
        }
    };
    // Whatever happened, the selection is reset and the busy panel goes.
    const auto finish = [this] {
        StartPoint = 0;
        EndPoint = TrackBarPos->maximum();
        PanelState->setVisible(false);
    };

    try {
        Label12->SetCaption(path);
        ClearFileDisplay(*this);
        BtnPlayStart->setEnabled(false);
        BtnStop->setEnabled(false);
        setupMarkers(false);
        BtnSaveMp3->setEnabled(false);

        Mp3Engine->LoadFile(QFile::encodeName(path).toStdString());
        const TMp3DataInfo& info = Mp3Engine->Info;
        if (info.IsMp3) {
            ShowLoadedFile(*this, info);
            setupMarkers(true);
            MarkerToTime(1);
        } else {
            ImageFileState2->setVisible(true);
            ImageFileState1->setVisible(false);
            Dialogs().MessageBox(this, path + QStringLiteral("\r\n") + Ms_NotMP3, Ms_Info,
                                 QMessageBox::Information, QMessageBox::Ok);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (pictureFailure)
        std::rethrow_exception(pictureFailure);
}

void TFrmVE3Zezeva::RzCheckBox1Click(QObject*) {
    const bool checked = RzCheckBox1->isChecked();
    for (QWidget* field : std::initializer_list<QWidget*>{RzEdit1, RzEdit2, RzEdit3, RzEdit5,
                                                          RzEdit6, RzEdit7, RzComboBox1})
        field->setEnabled(checked);
}
