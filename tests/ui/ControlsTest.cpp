#include "BmpButton.h"
#include "CheckBox.h"
#include "ComponentLookup.h"
#include "FileDialog.h"
#include "Image.h"
#include "Label.h"
#include "MaskEdit.h"
#include "PopupMenu.h"
#include "RecordingDialogs.h"
#include "TestMain.h"
#include "TrackBar.h"

#include <QSignalSpy>

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void MaskEditText_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("text");
        QTest::newRow("full") << "001:02:03.004" << 0 << "001:02:03.004";
        QTest::newRow("blanks written") << "12 :3 :  .   " << 0 << "12 :3 :  .   ";
        QTest::newRow("last digit erased") << "001:02:03.004" << 1 << "001:02:03.00 ";
        QTest::newRow("all erased") << "001:02:03.004" << 13 << "   :  :  .   ";
    }

    // The change handler reads Text: always 13 characters, a space where nothing is filled in.
    void MaskEditText() {
        QFETCH(QString, written);
        QFETCH(int, backspaces);
        QFETCH(QString, text);
        TRzMaskEdit edit(nullptr);
        edit.SetEditMask(QStringLiteral("000:00:00.000;1;_"));
        edit.SetMaxLength(13);
        edit.SetText(written);
        QStringList seen;
        connect(&edit, &TRzEdit::Change, &edit, [&] { seen.append(edit.Text()); });
        edit.setCursorPosition(13);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.property("Text").toString(), text);
        if (backspaces > 0)
            QCOMPARE(seen.constLast(), text);
    }

    void MaskEditTypingOverwrites() {
        TRzMaskEdit edit(nullptr);
        edit.SetEditMask(QStringLiteral("000:00:00.000;1;_"));
        edit.SetText(QStringLiteral("000:00:00.000"));
        edit.setCursorPosition(4);
        QTest::keyClicks(&edit, QStringLiteral("75"));
        QCOMPARE(edit.Text(), QStringLiteral("000:75:00.000"));
        QCOMPARE(edit.SelStart(), 7);
    }

    void EditSelection() {
        TRzEdit edit(nullptr);
        edit.SetText(QStringLiteral("abcdef"));
        edit.SetSelStart(2);
        edit.SetSelLength(3);
        QCOMPARE(edit.selectedText(), QStringLiteral("cde"));
        QCOMPARE(edit.SelStart(), 2);
        QCOMPARE(edit.SelLength(), 3);
    }

    void RightAlignedLabelKeepsItsRightEdge() {
        QWidget parent;
        TLabel label(&parent);
        label.SetRightAligned(true);
        label.setGeometry(200, 10, 0, 0);
        label.SetCaption(QStringLiteral("Start tag"));
        QCOMPARE(label.x() + label.width(), 200);
        const int shortWidth = label.width();
        label.SetCaption(QStringLiteral("A much longer caption"));
        QCOMPARE(label.x() + label.width(), 200);
        QVERIFY(label.width() > shortWidth);
        QFont bigger = label.font();
        bigger.setPixelSize(20);
        label.setFont(bigger);
        QCOMPARE(label.x() + label.width(), 200);
    }

    void LeftAlignedLabelKeepsItsLeftEdge() {
        TLabel label(nullptr);
        label.move(30, 10);
        label.SetCaption(QStringLiteral("A caption"));
        label.SetCaption(QStringLiteral("A longer caption"));
        QCOMPARE(label.x(), 30);
        QCOMPARE(label.width(), QFontMetrics(label.font()).horizontalAdvance("A longer caption"));
    }

    void SameTextAscii_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("equal") << "Label11"
                               << "Label11" << true;
        QTest::newRow("ASCII case") << "label11"
                                    << "LABEL11" << true;
        QTest::newRow("longer") << "Label1"
                                << "Label11" << false;
        QTest::newRow("non-ASCII case") << "Étiquette"
                                        << "étiquette" << false;
        QTest::newRow("underscore and bracket differ") << "PM_English"
                                                       << "PM[English" << false;
    }

    void SameTextAscii() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(::SameTextAscii(a, b), same);
    }

    void FindComponentSearchesTheWholeForm() {
        QWidget form;
        form.setObjectName(QStringLiteral("Form"));
        QWidget page(&form);
        TLabel label(&page);
        label.setObjectName(QStringLiteral("Label23"));
        TPopupMenu menu(&form);
        TMenuItem item(&menu);
        item.setObjectName(QStringLiteral("PM_German"));
        QCOMPARE(FindComponent(&form, u"label23"), &label);
        QCOMPARE(FindComponent(&form, u"pm_GERMAN"), &item);
        QCOMPARE(FindComponent(&form, u"Form"), nullptr);
        QCOMPARE(FindComponent(&form, u""), nullptr);
    }

    void FileDialogFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("filters");
        QTest::addColumn<QString>("selected");
        QTest::newRow("patterns in description") << "MP3(*.mp3)|*.mp3" << 0 << "MP3(*.mp3)"
                                                 << "MP3(*.mp3)";
        QTest::newRow("bare description")
            << "Audio|*.mp3;*.mp2|All files|*.*" << 2 << "Audio (*.mp3 *.mp2);;All files (*.*)"
            << "All files (*.*)";
        QTest::newRow("index beyond the list") << "MP3|*.mp3" << 5 << "MP3 (*.mp3)"
                                               << "";
    }

    void FileDialogFilters() {
        QFETCH(QString, filter);
        QFETCH(int, index);
        QFETCH(QString, filters);
        QFETCH(QString, selected);
        const TQtFilter converted = QtFilter(filter, index);
        QCOMPARE(converted.Filters, filters);
        QCOMPARE(converted.Selected, selected);
    }

    void FileDialogsGoThroughTheSeam() {
        TRecordingDialogs dialogs;
        TDialogsReplacement replacement(dialogs);
        dialogs.SaveAnswers = {QStringLiteral("/music/clip.mp3"), QString()};
        TSaveDialog save(nullptr);
        save.Title = QStringLiteral("Save Mp3 file");
        save.Filter = QStringLiteral("MP3(*.mp3)|*.mp3");
        save.DefaultExt = QStringLiteral(".mp3");
        save.OverwritePrompt = true;
        QVERIFY(save.Execute(nullptr));
        QCOMPARE(save.FileName, QStringLiteral("/music/clip.mp3"));
        QVERIFY(!save.Execute(nullptr));
        QCOMPARE(save.FileName, QStringLiteral("/music/clip.mp3"));
        const TFileDialogRequest& second = dialogs.SaveRequests.at(1);
        QCOMPARE(second.Title, QStringLiteral("Save Mp3 file"));
        QCOMPARE(second.DefaultSuffix, QStringLiteral("mp3"));
        QCOMPARE(second.Folder, QStringLiteral("/music"));
        QVERIFY(second.ConfirmOverwrite);
    }

    void RadioMenuItems() {
        TPopupMenu menu(nullptr);
        TMenuItem english(&menu), spanish(&menu), other(&menu);
        for (TMenuItem* item : {&english, &spanish})
            item->RadioItem = true;
        other.GroupIndex = 1;
        other.RadioItem = true;
        english.SetChecked(true);
        other.SetChecked(true);
        spanish.SetChecked(true);
        QCOMPARE(english.Checked(), false);
        QCOMPARE(spanish.Checked(), true);
        QCOMPARE(other.Checked(), true); // another group

        QSignalSpy clicks(&english, &TMenuItem::Click);
        english.trigger();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(english.Checked(), false); // the handler ticks items, not the click
        QCOMPARE(english.isChecked(), false);
    }

    void TransparentPixelsShowTheParent_data() {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QColor>("key");
        QTest::newRow("picture: colour of its bottom-left pixel") << false << QColor(Qt::white);
        QTest::newRow("bitmap button: olive") << true << QColor(128, 128, 0);
    }

    void TransparentPixelsShowTheParent() {
        QFETCH(bool, button);
        QFETCH(QColor, key);
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(key);
        picture.setPixel(8, 8, qRgb(0, 0, 255));
        if (button)
            picture.setPixel(0, 15, qRgb(0, 255, 0)); // only olive counts for a button
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette red = parent.palette();
        red.setColor(QPalette::Window, Qt::red);
        parent.setPalette(red);
        parent.resize(16, 16);
        if (button) {
            auto* control = new TRzBmpButton(&parent);
            control->setGeometry(0, 0, 16, 16);
            control->SetTransparentColor(key);
            control->SetFace(TRzBmpButton::Face::Up, picture);
        } else {
            auto* control = new TImage(&parent);
            control->setGeometry(0, 0, 16, 16);
            control->SetTransparent(true);
            control->SetPicture(picture);
        }
        const QImage shown = parent.grab().toImage();
        QCOMPARE(QColor(shown.pixel(8, 8)), QColor(0, 0, 255));
        QCOMPARE(QColor(shown.pixel(3, 3)), QColor(Qt::red));
        QCOMPARE(QColor(shown.pixel(0, 15)), button ? QColor(0, 255, 0) : QColor(Qt::red));
    }

    void CheckBoxClickFollowsEveryChange() {
        TRzCheckBox box(nullptr);
        QSignalSpy clicks(&box, &TRzCheckBox::Click);
        box.setChecked(true);
        box.setChecked(true);
        box.setChecked(false);
        QCOMPARE(clicks.count(), 2);
    }

    void TrackBarFollowsTheMouse() {
        TRzTrackBar bar(nullptr);
        bar.setGeometry(0, 0, 449, 20);
        bar.SetThumbStrip(QImage(54, 18, QImage::Format_RGB32));
        bar.setRange(0, 60000);
        QSignalSpy changes(&bar, &TRzTrackBar::Change);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(440, 10));
        QCOMPARE(bar.value(), 60000);
        QCOMPARE(bar.ThumbRect(), QRect(431, 1, 18, 18));
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(9, 10));
        QCOMPARE(bar.value(), 0);
        QCOMPARE(bar.ThumbRect().left(), 0);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(9 + 431 / 2, 10));
        QCOMPARE(bar.value(), 29930);
        bar.setValue(100);
        QCOMPARE(changes.count(), 4);
    }
};

SNIPORA_TEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
