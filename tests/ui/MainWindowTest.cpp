#include "ComponentLookup.h"
#include "OrvoMp3.h"
#include "ProfileFile.h"
#include "RecordingDialogs.h"
#include "TestMain.h"
#include "UnitVE3Zezeva.h"

#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <memory>

namespace {

struct TFormFixture {
    TRecordingDialogs dialogs;
    TDialogsReplacement replacement{dialogs};
    std::unique_ptr<TFrmVE3Zezeva> form = std::make_unique<TFrmVE3Zezeva>();

    QWidget* Control(const char* name) const {
        auto* control = form->findChild<QWidget*>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
};

std::string Path(const QTemporaryDir& folder) {
    return QFile::encodeName(folder.path()).toStdString() + "/";
}

QString ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void StartUpReportsNoError() {
        TFormFixture fixture;
        QVERIFY(fixture.dialogs.Errors.isEmpty());
        QVERIFY(fixture.form->Mp3Engine);
        QCOMPARE(fixture.form->objectName(), QStringLiteral("FrmVE3Zezeva"));
        QCOMPARE(fixture.form->size(), QSize(592, 452));
        QVERIFY(fixture.form->windowFlags() & Qt::FramelessWindowHint);
    }

    void CentredOnTheDesktop() {
        TFormFixture fixture;
        QCOMPARE(fixture.form->geometry().center(),
                 QGuiApplication::primaryScreen()->geometry().center());
    }

    void DraggingTheTopStrip_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left button") << "Label10" << Qt::LeftButton << true;
        QTest::newRow("right button") << "Label10" << Qt::RightButton << true;
        QTest::newRow("middle button") << "Label10" << Qt::MiddleButton << true;
        QTest::newRow("title line") << "Label11" << Qt::LeftButton << false;
        QTest::newRow("minimize button") << "RzBmpButton2" << Qt::RightButton << false;
    }

    void DraggingTheTopStrip() {
        QFETCH(QString, pressed);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, moves);
        TFormFixture fixture;
        TFrmVE3Zezeva& form = *fixture.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint before = form.pos();
        QWidget* control = fixture.Control(pressed.toLatin1());
        const QPoint grab = control->mapTo(&form, QPoint(3, 3));
        QTest::mousePress(form.windowHandle(), button, {}, grab);
        QTest::mouseMove(form.windowHandle(), grab + QPoint(30, 20));
        // Points are given in the window: where the window followed the mouse, the pointer is
        // back over the grab point.
        const QPoint release = form.pos() == before ? grab + QPoint(30, 20) : grab;
        QTest::mouseRelease(form.windowHandle(), button, {}, release);
        QTest::mouseMove(form.windowHandle(), release + QPoint(50, 50));
        QCOMPARE(form.pos(), moves ? before + QPoint(30, 20) : before);
    }

    void ControlsWithFixedBounds_data() {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        const auto row = [](const char* name, const char* className, QRect bounds, bool enabled,
                            bool visible) {
            QTest::newRow(name) << QString::fromLatin1(className) << bounds << enabled << visible;
        };
        row("FS", "TImage", {0, 0, 592, 452}, true, true);
        row("Label10", "TLabel", {0, 0, 592, 105}, true, true);
        row("ImageStart", "TImage", {129, 173, 16, 16}, false, true);
        row("ImageEnd", "TImage", {560, 173, 16, 16}, false, true);
        row("ImageFileState1", "TImage", {10, 430, 16, 16}, true, false);
        row("ImageFileState2", "TImage", {10, 430, 16, 16}, true, true);
        row("RzBmpButton1", "TRzBmpButton", {540, 1, 40, 20}, true, true);
        row("RzBmpButton2", "TRzBmpButton", {513, 1, 27, 20}, true, true);
        row("BtnOpenMp3", "TRzBmpButton", {187, 34, 64, 64}, true, true);
        row("BtnSaveMp3", "TRzBmpButton", {267, 34, 64, 64}, false, true);
        row("BtnAbout", "TRzBmpButton", {515, 34, 64, 64}, true, true);
        row("TrackBarPos", "TRzTrackBar", {128, 189, 449, 20}, false, true);
        row("RzPageControl1", "TRzPageControl", {21, 225, 553, 184}, true, true);
        row("BtnPlayStart", "TRzBitBtn", {393, 114, 88, 48}, false, true);
        row("BtnStop", "TRzBitBtn", {484, 114, 88, 48}, false, true);
        row("PanelState", "TRzPanel", {201, 201, 190, 50}, true, false);
        row("Image1", "TImage", {0, 0, 190, 50}, true, true);
        row("RzMaskEdit1", "TRzMaskEdit", {288, 116, 96, 21}, false, true);
        row("RzMaskEdit2", "TRzMaskEdit", {288, 140, 96, 21}, false, true);
        row("RzCheckBox1", "TRzCheckBox", {104, 14, 105, 17}, false, true);
        row("RzEdit1", "TRzEdit", {104, 38, 369, 21}, false, true);
        row("RzEdit2", "TRzEdit", {104, 66, 369, 21}, false, true);
        row("RzEdit3", "TRzEdit", {104, 94, 369, 21}, false, true);
        row("RzComboBox1", "TRzComboBox", {104, 122, 133, 21}, false, true);
        row("RzEdit5", "TRzEdit", {336, 122, 49, 21}, false, true);
        row("RzEdit6", "TRzEdit", {432, 122, 41, 21}, false, true);
        row("RzEdit7", "TRzEdit", {104, 150, 369, 21}, false, true);
    }

    // Bounds, enabled and visible are read through the properties a language file would use.
    void ControlsWithFixedBounds() {
        QFETCH(QString, className);
        QFETCH(QRect, bounds);
        QFETCH(bool, enabled);
        QFETCH(bool, visible);
        TFormFixture fixture;
        QWidget* control = fixture.Control(QTest::currentDataTag());
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
        QCOMPARE(QRect(control->property("Left").toInt(), control->property("Top").toInt(),
                       control->property("Width").toInt(), control->property("Height").toInt()),
                 bounds);
        QCOMPARE(control->property("Enabled").toBool(), enabled);
        QCOMPARE(control->property("Visible").toBool(), visible);
    }

    void LabelsAnchoredByAnEdge_data() {
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<int>("edge"); // left edge, or right edge when rightAligned
        QTest::addColumn<bool>("rightAligned");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char* name, const char* parent, int edge, bool right, int top,
                            bool enabled = true) {
            QTest::newRow(name) << QString::fromLatin1(parent) << edge << right << top << enabled;
        };
        row("Label11", "FrmVE3Zezeva", 12, false, 8);
        row("Label1", "FrmVE3Zezeva", 125, true, 193);
        row("Label12", "FrmVE3Zezeva", 30, false, 431);
        row("LabelStart", "FrmVE3Zezeva", 283, true, 120, false);
        row("LabelEnd", "FrmVE3Zezeva", 283, true, 144, false);
        row("Label28", "FrmVE3Zezeva", 505, true, 8);
        row("Label25", "PanelState", 32, false, 19);
        row("Label23", "TabSheet2", 104, true, 16);
        row("Label13", "TabSheet2", 104, true, 42);
        row("Label14", "TabSheet2", 104, true, 70);
        row("Label15", "TabSheet2", 104, true, 98);
        row("Label16", "TabSheet2", 104, true, 126);
        row("Label17", "TabSheet2", 104, true, 154);
        row("Label24", "TabSheet2", 116, false, 16);
        row("Label18", "TabSheet2", 116, false, 42);
        row("Label19", "TabSheet2", 116, false, 70);
        row("Label20", "TabSheet2", 116, false, 98);
        row("Label21", "TabSheet2", 116, false, 126);
        row("Label22", "TabSheet2", 116, false, 154);
        row("Label3", "TabSheet1", 96, true, 42);
        row("Label4", "TabSheet1", 96, true, 70);
        row("Label5", "TabSheet1", 96, true, 98);
        row("Label9", "TabSheet1", 96, true, 126);
        row("Label8", "TabSheet1", 329, true, 126);
        row("Label6", "TabSheet1", 425, true, 126);
        row("Label7", "TabSheet1", 96, true, 154);
    }

    // The built-in texts have replaced most captions; right-aligned labels kept their edge.
    void LabelsAnchoredByAnEdge() {
        QFETCH(QString, parentName);
        QFETCH(int, edge);
        QFETCH(bool, rightAligned);
        QFETCH(int, top);
        QFETCH(bool, enabled);
        TFormFixture fixture;
        QWidget* label = fixture.Control(QTest::currentDataTag());
        QCOMPARE(label->parentWidget()->objectName(), parentName);
        QCOMPARE(rightAligned ? label->x() + label->width() : label->x(), edge);
        QCOMPARE(label->y(), top);
        QCOMPARE(label->isEnabled(), enabled);
    }

    void TabOrderSkipsTheTitleButtons() {
        TFormFixture fixture;
        QStringList order;
        QWidget* widget = fixture.Control("RzMaskEdit1");
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty() &&
                !widget->objectName().startsWith(QLatin1String("qt_")))
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != fixture.Control("RzMaskEdit1"));
        QCOMPARE(order, QStringList({"RzMaskEdit1", "RzMaskEdit2", "BtnPlayStart", "BtnStop",
                                     "TrackBarPos", "RzPageControl1", "RzCheckBox1", "RzEdit1",
                                     "RzEdit2", "RzEdit3", "RzComboBox1", "RzEdit5", "RzEdit6",
                                     "RzEdit7", "BtnOpenMp3", "BtnSaveMp3", "BtnAbout"}));
        QCOMPARE(fixture.Control("RzBmpButton1")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(fixture.Control("RzBmpButton2")->focusPolicy(), Qt::NoFocus);
    }

    void DesignTimeSettings() {
        TFormFixture fixture;
        TFrmVE3Zezeva& form = *fixture.form;
        QCOMPARE(form.TrackBarPos->property("Min").toInt(), 0);
        QCOMPARE(form.TrackBarPos->property("Max").toInt(), 100);
        QCOMPARE(form.TrackBarPos->property("Position").toInt(), 0);
        QCOMPARE(form.RzPageControl1->ActivePage(), form.TabSheet2);
        QCOMPARE(form.RzMaskEdit1->property("Text").toString(), QStringLiteral("000:00:00.000"));
        QCOMPARE(form.RzMaskEdit2->property("EditMask").toString(),
                 QStringLiteral("000:00:00.000;1;_"));
        QCOMPARE(form.TimerPos->Enabled(), false);
        QCOMPARE(form.TimerPos->Interval(), 1000);
        QCOMPARE(form.RzCheckBox1->isChecked(), false);
        QCOMPARE(form.ImageList1->Count(), 7);
        QCOMPARE(form.SaveDialog1->property("DefaultExt").toString(), QStringLiteral(".mp3"));
        QVERIFY(form.SaveDialog1->OverwritePrompt);
        QCOMPARE(form.PM_English->Checked(), true);
        for (TMenuItem* item : {form.PM_Spanish, form.PM_German, form.PM_Italian, form.PM_French})
            QCOMPARE(item->Checked(), false);
    }

    void EditLimits_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("RzEdit1") << 30;
        QTest::newRow("RzEdit2") << 30;
        QTest::newRow("RzEdit3") << 40; // no limit of its own
        QTest::newRow("RzEdit5") << 3;
        QTest::newRow("RzEdit6") << 4;
        QTest::newRow("RzEdit7") << 30;
    }

    void EditLimits() {
        QFETCH(int, limit);
        TFormFixture fixture;
        auto* edit = static_cast<TRzEdit*>(fixture.Control(QTest::currentDataTag()));
        edit->setEnabled(true);
        QTest::keyClicks(edit, QString(40, QLatin1Char('7')));
        QCOMPARE(edit->Text().size(), limit);
    }

    void BuiltInTexts_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char* name, const char* property, const QVariant& expected) {
            QTest::newRow(name) << QString::fromLatin1(property) << expected;
        };
        row("Label28", "Visible", false);
        row("Label11", "Caption", QStringLiteral("Snipora 2.2.7"));
        row("RzBmpButton2", "Hint", QStringLiteral("最小化"));
        row("RzBmpButton1", "Hint", QStringLiteral("关闭"));
        row("BtnPlayStart", "Caption", QStringLiteral("播 放"));
        row("BtnStop", "Caption", QStringLiteral("停 止"));
        row("LabelStart", "Caption", QStringLiteral("起始点"));
        row("LabelEnd", "Caption", QStringLiteral("结束点"));
        row("Label1", "Caption", QStringLiteral("000:00:00.000"));
        row("Label25", "Caption", QStringLiteral("正在打开......"));
        row("TabSheet2", "Caption", QStringLiteral("常规"));
        row("TabSheet1", "Caption", QStringLiteral("ID3Tags V1"));
        row("Label23", "Caption", QStringLiteral("文件大小:"));
        row("Label13", "Caption", QStringLiteral("编码:"));
        row("Label14", "Caption", QStringLiteral("声道:"));
        row("Label15", "Caption", QStringLiteral("频率:"));
        row("Label16", "Caption", QStringLiteral("码率:"));
        row("Label17", "Caption", QStringLiteral("播放时长:"));
        row("RzCheckBox1", "Caption", QStringLiteral("包含"));
        row("Label3", "Caption", QStringLiteral("标题:"));
        row("Label4", "Caption", QStringLiteral("艺术家:"));
        row("Label5", "Caption", QStringLiteral("专辑:"));
        row("Label9", "Caption", QStringLiteral("流派:"));
        row("Label8", "Caption", QStringLiteral("音轨:"));
        row("Label6", "Caption", QStringLiteral("年代:"));
        row("Label7", "Caption", QStringLiteral("备注:"));
        row("ImageStart", "Hint", QStringLiteral("用鼠标拖动设定起始点"));
        row("ImageEnd", "Hint", QStringLiteral("用鼠标拖动设定结束点"));
        row("Label12", "Caption",
            QStringLiteral("点击“打开”选择MP3文件，拖动①和②设定起止点，然后点击“保存”新MP3文件。"));
        row("OpenDialog1", "Title", QStringLiteral("Open MP3 file"));
        row("OpenDialog1", "Filter", QStringLiteral("MP3(*.mp3)|*.mp3"));
        row("SaveDialog1", "Title", QStringLiteral("Save Mp3 file"));
        row("PM_French", "Caption", QStringLiteral("French"));
    }

    void BuiltInTexts() {
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        TFormFixture fixture;
        QObject* component =
            fixture.form->findChild<QObject*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(component);
        QCOMPARE(component->property(property.toLatin1()), expected);
    }

    void PropertiesSetByName_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        const auto row = [](const char* tag, const char* component, const char* property,
                            const QVariant& value) {
            QTest::newRow(tag) << QString::fromLatin1(component) << QString::fromLatin1(property)
                               << value;
        };
        row("label caption", "label23", "Caption", QStringLiteral("Taille :"));
        row("glyph button caption", "BTNPLAYSTART", "Caption", QStringLiteral("&Jouer"));
        row("button hint", "RzBmpButton1", "Hint", QStringLiteral("Fermer"));
        row("page caption", "TabSheet1", "Caption", QStringLiteral("Étiquettes"));
        row("check box caption", "RzCheckBox1", "Caption", QStringLiteral("Inclure"));
        row("list items", "RzComboBox1", "Items", QStringList({"Blues", "Rock"}));
        row("dialog title", "SaveDialog1", "Title", QStringLiteral("Enregistrer"));
        row("dialog filter", "OpenDialog1", "Filter", QStringLiteral("MP3|*.mp3"));
        row("menu item", "pm_german", "Caption", QStringLiteral("Deutsch"));
        row("edit limit", "RzEdit3", "MaxLength", 30);
        row("position", "Label11", "Left", 20);
        row("form caption", "FrmVE3Zezeva", "Caption", QStringLiteral("Snipora"));
    }

    // A language file names components without regard to ASCII case and sets texts, numbers
    // and lists by property name.
    void PropertiesSetByName() {
        QFETCH(QString, component);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        TFormFixture fixture;
        QObject* target = SameTextAscii(component, fixture.form->objectName())
                              ? fixture.form.get()
                              : FindComponent(fixture.form.get(), component);
        QVERIFY(target);
        const QMetaObject* meta = target->metaObject();
        const int index = meta->indexOfProperty(property.toLatin1());
        QVERIFY(index >= 0);
        QCOMPARE(meta->property(index).metaType(), value.metaType());
        QVERIFY(target->setProperty(property.toLatin1(), value));
        QCOMPARE(target->property(property.toLatin1()), value);
    }

    void RightAlignedCaptionsKeepTheirEdgeWhenRenamed() {
        TFormFixture fixture;
        TLabel* label = fixture.form->Label8;
        label->setProperty("Caption", QStringLiteral("Numéro de piste :"));
        QCOMPARE(label->x() + label->width(), 329);
        QVERIFY(label->x() < 329 - 60);
    }

    void BuiltInMessagesAndTitle() {
        TFormFixture fixture;
        const TFrmVE3Zezeva& form = *fixture.form;
        QVERIFY(UseBuiltInTexts);
        const std::pair<QString, const char*> messages[] = {
            {form.Ms_Opening, "正在打开......"},
            {form.Ms_Waiting, "请稍等......"},
            {form.Ms_Error, "错误"},
            {form.Ms_Mono, "单声道"},
            {form.Ms_Stereo, "立体声"},
            {form.Ms_Info, "信息"},
            {form.Ms_NotMP3, "不是MP3文件"},
            {form.Ms_NotSaveName, "请使用其他文件名，不能保存为：\r\n"},
            {form.Ms_NotSave, "不能保存MP3文件"}};
        for (const auto& [actual, expected] : messages)
            QCOMPARE(actual, QString::fromUtf8(expected));
        QCOMPARE(qApp->property("Title").toString(), QStringLiteral("Snipora"));
    }

    void BuiltInFonts() {
        TFormFixture fixture;
        const TFrmVE3Zezeva& form = *fixture.form;
        const auto songti = [](const QWidget* widget) {
            return widget->font().family() == QStringLiteral("宋体") &&
                   widget->font().pixelSize() == 12;
        };
        QVERIFY(songti(&form));
        QVERIFY(songti(form.Label1));  // follows the window
        QVERIFY(songti(form.RzEdit1)); // follows the window
        QVERIFY(songti(form.Label11)); // own font, changed
        QVERIFY(form.Label11->font().bold());
        QCOMPARE(form.Label11->FontColor(), QColor(Qt::white));
        QCOMPARE(form.LabelStart->FontColor(), QColor(0, 128, 0));
        QVERIFY(!songti(form.Label12)); // own font, kept
        QVERIFY(!songti(form.RzMaskEdit1));
    }

    void ButtonFacesComeFromTheImageList() {
        TFormFixture fixture;
        const TFrmVE3Zezeva& form = *fixture.form;
        using Face = TRzBmpButton::Face;
        const std::tuple<TRzBmpButton*, Face, int> faces[] = {
            {form.BtnOpenMp3, Face::Up, 0},       {form.BtnOpenMp3, Face::Hot, 1},
            {form.BtnSaveMp3, Face::Up, 2},       {form.BtnSaveMp3, Face::Hot, 3},
            {form.BtnSaveMp3, Face::Disabled, 4}, {form.BtnAbout, Face::Up, 5},
            {form.BtnAbout, Face::Hot, 6}};
        for (const auto& [button, face, slot] : faces) {
            QCOMPARE(button->FaceImage(face).size(), QSize(64, 64));
            QVERIFY(button->FaceImage(face) == form.ImageList1->GetBitmap(slot));
        }
    }

    void GenresInTableOrder() {
        TFormFixture fixture;
        const QStringList items = fixture.form->RzComboBox1->property("Items").toStringList();
        QCOMPARE(items.size(), 148);
        for (int i = 0; i < 148; ++i)
            QCOMPARE(items[i], QString::fromLatin1(Id3Genres[i]));
        QCOMPARE(fixture.form->RzComboBox1->property("ItemIndex").toInt(), -1);
    }

    void RoundRegion_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("inside");
        const auto row = [](const char* name, QPoint pixel, bool inside) {
            QTest::newRow(name) << pixel << inside;
        };
        row("frame top-left", {0, 0}, false);
        row("row 0", {300, 0}, false);
        row("column 0", {0, 200}, false);
        row("right column", {591, 200}, false);
        row("bottom row", {300, 451}, false);
        row("last visible column", {590, 200}, true);
        row("last visible row", {300, 450}, true);
        row("first visible pixel of row 1", {3, 1}, true);
        row("rounded off on row 1", {2, 1}, false);
        row("corner top-left", {1, 1}, false);
        row("corner top-right", {590, 1}, false);
        row("corner bottom-left", {1, 450}, false);
        row("corner bottom-right", {590, 450}, false);
        row("just inside top-right", {587, 1}, true);
        row("diagonal of row 2", {2, 2}, true);
        row("middle", {296, 226}, true);
    }

    void RoundRegion() {
        QFETCH(QPoint, pixel);
        QFETCH(bool, inside);
        TFormFixture fixture;
        QCOMPARE(fixture.form->mask().contains(pixel), inside);
    }

    void MagentaFrameIsNeverVisible() {
        TFormFixture fixture;
        const QImage background = fixture.form->FS->Picture();
        const QRegion visible = fixture.form->mask();
        for (int y = 0; y < background.height(); ++y)
            for (int x = 0; x < background.width(); ++x)
                if (background.pixel(x, y) == qRgb(255, 0, 255))
                    QVERIFY2(!visible.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void FolderOfProgramFile_data() {
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("folder");
        QTest::newRow("nested") << "/opt/snipora/Snipora"
                                << "/opt/snipora/";
        QTest::newRow("root") << "/Snipora"
                              << "/";
        QTest::newRow("spaces") << "/home/a b/My Apps/Snipora"
                                << "/home/a b/My Apps/";
    }

    void FolderOfProgramFile() {
        QFETCH(QString, programFile);
        QFETCH(QString, folder);
        QCOMPARE(QString::fromStdString(FolderOf(programFile.toStdString())), folder);
    }

    void AppDirIsTheProgramFolder() {
        TFormFixture fixture;
        QCOMPARE(QString::fromStdString(AppDir), QCoreApplication::applicationDirPath() + "/");
    }

    void CloseWritesTheLanguageSetting_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("no file") << QString() << QStringList();
        QTest::newRow("other entries")
            << "; mine\r\n[Window]\r\nLeft=10\r\n[LANGUAGE]\r\nDefault=3\r\nExtra=yes\r\n"
            << QStringList({"; mine", "[Window]", "Left=10", "Extra=yes"});
    }

    void CloseWritesTheLanguageSetting() {
        QFETCH(QString, before);
        QFETCH(QStringList, kept);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("Snipora.ini"));
        if (!before.isNull()) {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before.toUtf8());
        }
        TFormFixture fixture;
        fixture.form->show();
        AppDir = Path(folder);
        fixture.form->TimerPos->SetEnabled(true);
        QVERIFY(fixture.form->close());

        QVERIFY(fixture.dialogs.Errors.isEmpty());
        QVERIFY(!fixture.form->Mp3Engine);
        QVERIFY(!fixture.form->TimerPos->Enabled());
        QCOMPARE(Profile::ReadString(ini.toStdString(), "language", "default", "missing"), "0");
        const QString after = ReadAll(ini);
        for (const QString& line : kept)
            QVERIFY2(after.contains(line), qPrintable(after));
    }

    void FailedSettingWriteIsShownAndTheWindowStillCloses() {
        TFormFixture fixture;
        fixture.form->show();
        AppDir = "/nonexistent-snipora-folder/";
        QVERIFY(fixture.form->close());
        QCOMPARE(fixture.dialogs.Errors,
                 QStringList("Unable to write to /nonexistent-snipora-folder/Snipora.ini"));
        QVERIFY(!fixture.form->isVisible());
        QVERIFY(!fixture.form->Mp3Engine);
    }

    void CloseButtonClosesTheWindow() {
        QTemporaryDir folder;
        TFormFixture fixture;
        fixture.form->show();
        AppDir = Path(folder);
        QTest::mouseClick(fixture.form->RzBmpButton1, Qt::LeftButton);
        QVERIFY(!fixture.form->isVisible());
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Snipora.ini"))));
    }

    void MinimizeButtonMinimizesTheProgram() {
        TFormFixture fixture;
        qobject_cast<TApplication*>(qApp)->SetMainForm(fixture.form.get());
        fixture.form->show();
        QTest::mouseClick(fixture.form->RzBmpButton2, Qt::LeftButton);
        QVERIFY(fixture.form->isMinimized());
    }

    // Start-up in a folder without the marker pictures: the test program runs a copy of itself
    // from such a folder.
    void StartUpWithoutMarkerPictures() {
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("MainWindowTest"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QProcess child;
        child.start(copy, {QStringLiteral("StartUpInAFolderWithoutPictures")});
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        const QLatin1String passed("PASS   : MainWindowTest::StartUpInAFolderWithoutPictures");
        QVERIFY2(child.exitCode() == 0 && output.contains(passed), qPrintable(output));
    }

    void StartUpInAFolderWithoutPictures() {
        if (QFile::exists(QCoreApplication::applicationDirPath() + "/MarkStartD.bmp"))
            QSKIP("runs as a copy of the test program, away from the marker pictures");
        TFormFixture fixture;
        const TFrmVE3Zezeva& form = *fixture.form;
        QCOMPARE(fixture.dialogs.Errors.size(), 1);
        QVERIFY(fixture.dialogs.Errors[0].contains(QStringLiteral("MarkStartD.bmp")));
        QVERIFY(form.Mp3Engine);
        QCOMPARE(form.RzComboBox1->count(), 148);
        QVERIFY(form.ImageStart->Picture().isNull() && form.ImageEnd->Picture().isNull());
        QVERIFY(!form.ImageStart->isEnabled() && !form.RzMaskEdit1->isEnabled());
    }

    void MarkersAtHome_data() {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("disabled") << false;
        QTest::newRow("enabled") << true;
    }

    void MarkersAtHome() {
        QFETCH(bool, enabled);
        TFormFixture fixture;
        TFrmVE3Zezeva& form = *fixture.form;
        form.ImageStart->SetLeft(300);
        form.SetupMarkers(enabled);
        QCOMPARE(form.ImageStart->x(), 129);
        QCOMPARE(form.ImageEnd->x(), 560);
        const TMarkerDrag start = form.StartMarker;
        const TMarkerDrag end = form.EndMarker;
        QCOMPARE(QList<int>({start.MinLeft, start.MaxLeft, start.ZeroLeft, start.FullLeft,
                             start.CurrentLeft}),
                 QList<int>({129, 553, 129, 553, 129}));
        QCOMPARE(
            QList<int>({end.MinLeft, end.MaxLeft, end.ZeroLeft, end.FullLeft, end.CurrentLeft}),
            QList<int>({135, 560, 135, 560, 560}));
        QCOMPARE(start.Host, &form);
        QVERIFY(!start.Dragging && !end.Dragging);
        const QString folder = QCoreApplication::applicationDirPath() + "/";
        QVERIFY(form.ImageStart->Picture() ==
                QImage(folder + (enabled ? "MarkStart.bmp" : "MarkStartD.bmp")));
        QVERIFY(form.ImageEnd->Picture() ==
                QImage(folder + (enabled ? "MarkEnd.bmp" : "MarkEndD.bmp")));
        for (QWidget* control :
             std::initializer_list<QWidget*>{form.ImageStart, form.ImageEnd, form.LabelStart,
                                             form.LabelEnd, form.RzMaskEdit1, form.RzMaskEdit2})
            QCOMPARE(control->isEnabled(), enabled);
    }

    // A missing picture is reported once, and the markers are still fully set up.
    void MissingMarkerPicture() {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/MarkEnd.bmp",
                            folder.filePath(QStringLiteral("MarkEnd.bmp"))));
        TFormFixture fixture;
        TFrmVE3Zezeva& form = *fixture.form;
        AppDir = Path(folder);
        try {
            form.SetupMarkers(true);
            QFAIL("no error raised");
        } catch (const std::runtime_error& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("MarkStart.bmp")),
                     error.what());
        }
        QVERIFY(form.ImageStart->Picture().isNull());
        QVERIFY(!form.ImageEnd->Picture().isNull());
        QVERIFY(form.ImageStart->isEnabled() && form.RzMaskEdit2->isEnabled());
    }
};

SNIPORA_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
