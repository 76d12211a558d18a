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
    const auto finish = [this] {
        StartPoint = 0;
        EndPoint = TrackBarPos->maximum();
        PanelState->setVisible(false);
    };

    try {
        Label12->SetCaption(path);

        TrackBarPos->setEnabled(false);
        TrackBarPos->setValue(0);
        RzCheckBox1->setChecked(false);
        RzCheckBox1->setEnabled(false);
        for (TRzEdit* edit : {RzEdit1, RzEdit2, RzEdit3, RzEdit5, RzEdit6, RzEdit7})
            edit->SetText(QString());
        RzComboBox1->setCurrentIndex(-1);
        for (TLabel* label : {Label18, Label19, Label20, Label21, Label22, Label24})
            label->SetCaption(QString());

        SetTextGuarded(*RzMaskEdit1, ZeroTime);
        SetTextGuarded(*RzMaskEdit2, ZeroTime);
        Label1->SetCaption(ZeroTime);

        BtnPlayStart->setEnabled(false);
        BtnStop->setEnabled(false);
        setupMarkers(false);
        BtnSaveMp3->setEnabled(false);

        Mp3Engine->LoadFile(QFile::encodeName(path).toStdString());
        const TMp3DataInfo& info = Mp3Engine->Info;
        if (info.IsMp3) {
            TrackBarPos->setEnabled(true);
            TrackBarPos->setMaximum(static_cast<int>(info.Duration));
            Label1->SetCaption(QStringLiteral("00:00:00.000"));
            RzCheckBox1->setEnabled(true);
            RzCheckBox1->setChecked(info.Id3v1Size > 0);
            if (RzCheckBox1->isChecked())
                ShowTagFields(*this, info.Id3Tag);
            ShowProperties(*this, info);
            BtnPlayStart->setEnabled(true);
            BtnStop->setEnabled(false);
            ImageFileState2->setVisible(false);
            ImageFileState1->setVisible(true);
            BtnSaveMp3->setEnabled(true);
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
