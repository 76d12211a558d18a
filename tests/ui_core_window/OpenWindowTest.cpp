#include "WindowFixture.h"

#include "AnsiCodePage.h"
#include "OrvoMp3.h"

#include "TestMain.h"

#include <QTest>

namespace {

// The controls a loaded file enables and the cleared window disables.
QList<QWidget*> FileControls(TFrmVE3Zezeva& form) {
    return {form.TrackBarPos, form.RzCheckBox1, form.BtnPlayStart, form.BtnSaveMp3,
            form.ImageStart,  form.ImageEnd,    form.LabelStart,   form.LabelEnd,
            form.RzMaskEdit1, form.RzMaskEdit2};
}

QList<TRzEdit*> TagEdits(TFrmVE3Zezeva& form) {
    return {form.RzEdit1, form.RzEdit2, form.RzEdit3, form.RzEdit5, form.RzEdit6, form.RzEdit7};
}

QList<TLabel*> PropertyLabels(TFrmVE3Zezeva& form) {
    return {form.Label24, form.Label18, form.Label19, form.Label20, form.Label21, form.Label22};
}

// Every tag edit empty and closed, and no genre chosen.
void VerifyTagFieldsEmpty(TFrmVE3Zezeva& form) {
    for (TRzEdit* edit : TagEdits(form)) {
        QVERIFY2(edit->Text().isEmpty(), qPrintable(edit->objectName()));
        QVERIFY2(!edit->isEnabled(), qPrintable(edit->objectName()));
    }
    QCOMPARE(form.RzComboBox1->currentIndex(), -1);
}

void VerifyCleared(TFrmVE3Zezeva& form) {
    for (QWidget* control : FileControls(form))
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY(!form.BtnStop->isEnabled());
    QVERIFY(!form.RzCheckBox1->isChecked());
    VerifyTagFieldsEmpty(form);
    for (TLabel* label : PropertyLabels(form))
        QVERIFY2(label->Caption().isEmpty(), qPrintable(label->objectName()));
    QCOMPARE(form.RzMaskEdit1->Text(), QStringLiteral("000:00:00.000"));
    QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:00:00.000"));
    QCOMPARE(form.ImageStart->Left(), 129);
    QCOMPARE(form.ImageEnd->Left(), 560);
    QCOMPARE(form.TrackBarPos->value(), 0);
    QVERIFY(!form.PanelState->isVisible());
}

} // namespace

class OpenWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsPropertiesTagAndSelectsTheWholeFile() {
        TWindowFixture window;
        const QString path = window.WriteTaggedFile();
        window.Open(path);

        TFrmVE3Zezeva& form = window.form;
        QCOMPARE(form.Label12->Caption(), path);
        QCOMPARE(form.Label24->Caption(), QStringLiteral("938 KB"));
        QCOMPARE(form.Label18->Caption(), QStringLiteral("MPEG 1 Layer 3"));
        QCOMPARE(form.Label19->Caption(), form.Ms_Stereo);
        QCOMPARE(form.Label20->Caption(), QStringLiteral("48000 Hz"));
        QCOMPARE(form.Label21->Caption(), QStringLiteral("128 Kbps"));
        QCOMPARE(form.Label22->Caption(), QStringLiteral("000:01:00.000"));
        QCOMPARE(form.Label1->Caption(), QStringLiteral("00:00:00.000"));

        QVERIFY(form.RzCheckBox1->isChecked());
        QCOMPARE(form.RzEdit1->Text(), QStringLiteral("Evening  "));
        QCOMPARE(form.RzEdit2->Text(), QStringLiteral("Quartet"));
        QCOMPARE(form.RzEdit3->Text(), QStringLiteral("Live"));
        QCOMPARE(form.RzEdit5->Text(), QStringLiteral("7"));
        QCOMPARE(form.RzEdit6->Text(), QStringLiteral("1999"));
        QCOMPARE(form.RzEdit7->Text(), QStringLiteral("first take"));
        QCOMPARE(form.RzComboBox1->currentIndex(), 8);
        for (TRzEdit* edit : TagEdits(form))
            QVERIFY2(edit->isEnabled(), qPrintable(edit->objectName()));

        QCOMPARE(form.StartPoint, 0);
        QCOMPARE(form.EndPoint, 60000);
        QCOMPARE(form.TrackBarPos->maximum(), 60000);
        QCOMPARE(form.RzMaskEdit1->Text(), QStringLiteral("000:00:00.000"));
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:01:00.000"));
        for (QWidget* control : FileControls(form))
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(!form.BtnStop->isEnabled());
        QVERIFY(form.ImageFileState1->isVisible());
        QVERIFY(!form.ImageFileState2->isVisible());
        QVERIFY(!form.PanelState->isVisible());
        QVERIFY(window.dialogs.Messages.empty());
    }

    void leavesTagFieldsEmptyForAFileWithoutTag() {
        TWindowFixture window;
        window.Open(window.WriteTaggedFile());
        const QString path = window.Path(QStringLiteral("mono.mp3"));
        Mp3Fixture::Write(path, Mp3Fixture::Frames(100, true));
        window.Open(path);

        TFrmVE3Zezeva& form = window.form;
        QVERIFY(form.RzCheckBox1->isEnabled());
        QVERIFY(!form.RzCheckBox1->isChecked());
        VerifyTagFieldsEmpty(form);
        QVERIFY(!form.RzComboBox1->isEnabled());
        QCOMPARE(form.Label19->Caption(), form.Ms_Mono);
        QCOMPARE(form.EndPoint, 2400);
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:00:02.400"));
    }

    void showsTagTextsInTheAnsiCodePage() {
        AnsiCodePage::ScopedSelection chinese(936);
        TWindowFixture window;
        Mp3Fixture::TTag tag;
        tag.Title = "\xD6\xD0\xCE\xC4 "; // "中文 " in code page 936
        const QString path = window.Path(QStringLiteral("chinese.mp3"));
        Mp3Fixture::Write(path, Mp3Fixture::Frames(10) + Mp3Fixture::Id3v1(tag));
        window.Open(path);
        QCOMPARE(window.form.RzEdit1->Text(), QStringLiteral("中文 "));
    }

    void reportsAFileThatIsNoMp3AndClearsTheWindow() {
        TWindowFixture window;
        window.Open(window.WriteTaggedFile());
        const QString path = window.Path(QStringLiteral("notes.mp3"));
        Mp3Fixture::Write(path, std::string(4000, 'x'));
        window.Open(path);

        QCOMPARE(window.dialogs.Messages.size(), 1u);
        const auto& message = window.dialogs.Messages.front();
        QCOMPARE(message.Text, path + QStringLiteral("\r\n") + window.form.Ms_NotMP3);
        QCOMPARE(message.Caption, window.form.Ms_Info);
        QCOMPARE(message.Icon, QMessageBox::Information);
        QVERIFY(window.dialogs.BusyPanelShown.front());
        VerifyCleared(window.form);
        QCOMPARE(window.form.Label12->Caption(), path);
        QVERIFY(window.form.ImageFileState2->isVisible());
        QVERIFY(!window.form.ImageFileState1->isVisible());
    }

    void changesNothingWhenTheDialogIsCancelled() {
        TWindowFixture window;
        const QString path = window.WriteTaggedFile();
        window.Open(path);
        window.dialogs.OpenAnswers.append(QString());
        QTest::mouseClick(window.form.BtnOpenMp3, Qt::LeftButton);

        QCOMPARE(window.form.Label12->Caption(), path);
        QCOMPARE(window.form.EndPoint, 60000);
        QVERIFY(window.form.BtnSaveMp3->isEnabled());
        QCOMPARE(window.form.RzEdit1->Text(), QStringLiteral("Evening  "));
        QVERIFY(window.dialogs.Messages.empty());
    }

    void stopsPlaybackAndItsPollBeforeOpening() {
        TWindowFixture window;
        window.Open(window.WriteTaggedFile());
        TFrmVE3Zezeva& form = window.form;
        QVERIFY(form.Mp3Engine->PlayRange(0, 60000));
        QVERIFY(!form.Mp3Engine->IsStopped());
        form.TimerPos->SetEnabled(true);

        const QString path = window.Path(QStringLiteral("notes.mp3"));
        Mp3Fixture::Write(path, std::string(4000, 'x'));
        window.Open(path);

        QVERIFY(form.Mp3Engine->IsStopped());
        QVERIFY(!form.TimerPos->Enabled());
        VerifyCleared(form);
    }

    void hidesTheBusyPanelWhenAnalysisFails() {
        TWindowFixture window;
        window.Open(window.WriteTaggedFile());
        window.Open(window.Path(QStringLiteral("gone.mp3")));
        QCOMPARE(window.dialogs.Errors.size(), 1);
        QVERIFY(window.dialogs.Errors.front().contains(QStringLiteral("gone.mp3")));
        VerifyCleared(window.form);
    }

    void reportsMissingMarkerPicturesOnceAndStillLoads() {
        TWindowFixture window;
        const QString path = window.WriteTaggedFile();
        AppDir = window.Path(QStringLiteral("empty/")).toStdString();
        window.Open(path);

        QCOMPARE(window.dialogs.Errors.size(), 1);
        QVERIFY(window.dialogs.Errors.front().contains(QStringLiteral("Mark")));
        TFrmVE3Zezeva& form = window.form;
        QVERIFY(!form.PanelState->isVisible());
        for (QWidget* control : FileControls(form))
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        QCOMPARE(form.EndPoint, 60000);
        QCOMPARE(form.RzMaskEdit2->Text(), QStringLiteral("000:01:00.000"));
        QCOMPARE(form.Label22->Caption(), QStringLiteral("000:01:00.000"));
    }
};

SNIPORA_TEST_MAIN(OpenWindowTest)
#include "OpenWindowTest.moc"
