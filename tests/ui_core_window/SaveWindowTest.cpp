#include "WindowFixture.h"

#include "AnsiCodePage.h"
#include "OrvoMp3.h"

#include "TestMain.h"
#include <QDir>
#include <QFile>

#include <QTest>

namespace {

using Mp3Fixture::FrameBytes;

// The frames a clip of [start, end) ms must hold: every frame of the fixture lasts 24 ms; the
// first one copied is the first that starts at or after `start`, and enough follow to cover
// the span.
std::pair<int, int> ClipFrames(int start, int end) {
    const int first = (start + Mp3Fixture::FrameMs - 1) / Mp3Fixture::FrameMs;
    const int count = std::max(0, (end - start + Mp3Fixture::FrameMs - 1) / Mp3Fixture::FrameMs);
    return {first, count};
}

std::string TagOf(const std::string& clip) {
    return clip.substr(clip.size() - 128);
}

} // namespace

class SaveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window.reset(); // one fixture at a time: each puts its own dialogs in place
        window = std::make_unique<TWindowFixture>();
        source = window->WriteTaggedFile();
        window->Open(source);
        // Select 1.000 s to 2.000 s.
        window->Type(window->form.RzMaskEdit2, 4, QStringLiteral("00"));
        window->Type(window->form.RzMaskEdit2, 8, QStringLiteral("2"));
        window->Type(window->form.RzMaskEdit1, 8, QStringLiteral("1"));
        QCOMPARE(window->form.StartPoint, 1000);
        QCOMPARE(window->form.EndPoint, 2000);
    }
    void cleanup() { window.reset(); }

    void writesTheSelectedFramesAndTheEditedTag() {
        TFrmVE3Zezeva& form = window->form;
        form.RzEdit1->SetText(QStringLiteral("Clip"));
        form.RzEdit3->SetText(QString(40, QLatin1Char('A')));
        form.RzEdit7->SetText(QString(30, QLatin1Char('c')));
        form.RzComboBox1->setCurrentIndex(-1);
        const std::string clip = Save(QStringLiteral("clip.mp3"));

        const auto [first, count] = ClipFrames(1000, 2000);
        QCOMPARE(clip.size(), std::size_t(count * FrameBytes + 128));
        const std::string frames =
            Mp3Fixture::Read(source).substr(first * FrameBytes, count * FrameBytes);
        QVERIFY(clip.substr(0, frames.size()) == frames);
        QCOMPARE(Mp3Fixture::FrameIndexAt(clip, 0), 42);

        Mp3Fixture::TTag expected;
        expected.Title = "Clip";
        expected.Artist = "Quartet";
        expected.Album = std::string(30, 'A');
        expected.Year = "1999";
        expected.Comment = std::string(28, 'c');
        expected.Track = 7;
        expected.Genre = 255;
        QVERIFY(TagOf(clip) == Mp3Fixture::Id3v1(expected));
        QVERIFY(window->dialogs.Messages.empty());
        QVERIFY(!form.PanelState->isVisible());
    }

    void keepsThirtyCommentBytesWithoutTrack() {
        TFrmVE3Zezeva& form = window->form;
        form.RzEdit5->SetText(QStringLiteral("0"));
        form.RzEdit7->SetText(QString(30, QLatin1Char('c')));
        const std::string tag = TagOf(Save(QStringLiteral("clip.mp3")));
        QVERIFY(tag.substr(97, 30) == std::string(30, 'c'));
        QCOMPARE(tag[127], char(8));
    }

    void writesNoTagWithoutInclude() {
        window->form.RzCheckBox1->setChecked(false);
        QVERIFY(!window->form.RzEdit1->isEnabled());
        const std::string clip = Save(QStringLiteral("clip.mp3"));
        QCOMPARE(clip.size(), std::size_t(ClipFrames(1000, 2000).second * FrameBytes));
    }

    void neverSplitsADoubleByteCharacterOfTheTitle() {
        AnsiCodePage::ScopedSelection chinese(936);
        QString title = QStringLiteral("a");
        for (int i = 0; i < 15; ++i)
            title += QStringLiteral("中");
        window->form.RzEdit1->SetText(title);
        const std::string tag = TagOf(Save(QStringLiteral("clip.mp3")));
        std::string expected = "a";
        for (int i = 0; i < 14; ++i)
            expected += "\xD6\xD0";
        QVERIFY(tag.substr(3, 30) == expected + '\0');
    }

    void refusesTheOpenFileInOtherLetterCase() {
        const QString sameFile = source.left(source.size() - 8) + QStringLiteral("SONG.MP3");
        window->dialogs.SaveAnswers.append(sameFile);
        QTest::mouseClick(window->form.BtnSaveMp3, Qt::LeftButton);

        QCOMPARE(window->dialogs.Messages.size(), 1u);
        const auto& message = window->dialogs.Messages.front();
        QCOMPARE(message.Text, window->form.Ms_NotSaveName + sameFile);
        QCOMPARE(message.Caption, window->form.Ms_Info);
        QCOMPARE(message.Icon, QMessageBox::Information);
        QVERIFY(!QFile::exists(sameFile));
        QVERIFY(!window->dialogs.BusyPanelShown.front());
    }

    void reportsATargetThatCannotBeCreated() {
        window->dialogs.SaveAnswers.append(window->Path(QStringLiteral("no/such/clip.mp3")));
        QTest::mouseClick(window->form.BtnSaveMp3, Qt::LeftButton);

        QCOMPARE(window->dialogs.Messages.size(), 1u);
        const auto& message = window->dialogs.Messages.front();
        QCOMPARE(message.Text, window->form.Ms_NotSave);
        QCOMPARE(message.Caption, window->form.Ms_Error);
        QCOMPARE(message.Icon, QMessageBox::Critical);
        QVERIFY(!window->dialogs.BusyPanelShown.front());
    }

    void hidesTheBusyPanelWhenTheClipWriterFails() {
        // A folder in the source's place can be opened but not read.
        QVERIFY(QFile::remove(source));
        QVERIFY(QDir().mkdir(source));
        window->dialogs.SaveAnswers.append(window->Path(QStringLiteral("clip.mp3")));
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 window->form.BtnSaveMp3Click(window->form.BtnSaveMp3));
        QVERIFY(!window->form.PanelState->isVisible());
        QVERIFY(window->dialogs.Messages.empty());
    }

    void savesAgainAfterTheSelectionChanges() {
        Save(QStringLiteral("first.mp3"));
        window->Drag(window->form.ImageStart, {-1000});
        QCOMPARE(window->form.StartPoint, 0);
        const std::string clip = Save(QStringLiteral("second.mp3"));
        QCOMPARE(Mp3Fixture::FrameIndexAt(clip, 0), 0);
        QCOMPARE(clip.size(), std::size_t(ClipFrames(0, 2000).second * FrameBytes + 128));
        QVERIFY(window->form.BtnSaveMp3->isEnabled());
        QCOMPARE(window->form.EndPoint, 2000);
    }

private:
    std::string Save(const QString& name) {
        const QString target = window->Path(name);
        window->dialogs.SaveAnswers.append(target);
        QTest::mouseClick(window->form.BtnSaveMp3, Qt::LeftButton);
        return Mp3Fixture::Read(target);
    }

    std::unique_ptr<TWindowFixture> window;
    QString source;
};

SNIPORA_TEST_MAIN(SaveWindowTest)
#include "SaveWindowTest.moc"
