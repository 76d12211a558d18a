#include "Colors.h"
#include "UnitVE3Zezeva.h"
#include "skin/SkinPictures.h"

namespace {

QFont Face(const QString& family, int points, bool bold = false) {
    QFont font(family);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    return font;
}

QFont Tahoma(bool bold = false) {
    return Face(QStringLiteral("Tahoma"), 8, bold);
}

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

TLabel* NewLabel(QWidget* parent, const char* name, int left, int top, const QString& caption) {
    auto* label = Named(new TLabel(parent), name);
    label->move(left, top);
    label->SetCaption(caption);
    return label;
}

// A right-aligned auto-sized label is placed by its right edge.
TLabel* NewRightLabel(QWidget* parent, const char* name, int right, int top,
                      const QString& caption) {
    auto* label = Named(new TLabel(parent), name);
    label->SetRightAligned(true);
    label->setGeometry(right, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

// Captions opaque on white, as the property values sit on the white page.
TLabel* NewValueLabel(QWidget* parent, const char* name, int top) {
    TLabel* label = NewLabel(parent, name, 116, top, QString());
    label->SetOpaque(Colors::White);
    return label;
}

TImage* NewImage(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* image = Named(new TImage(parent), name);
    image->setGeometry(left, top, width, height);
    return image;
}

TRzBmpButton* NewBmpButton(QWidget* parent, const char* name, int left, int top, int width,
                           int height) {
    auto* button = Named(new TRzBmpButton(parent), name);
    button->setGeometry(left, top, width, height);
    button->SetTransparentColor(Colors::Olive);
    return button;
}

TRzEdit* NewTagEdit(QWidget* parent, const char* name, int left, int top, int width,
                    int maxLength) {
    auto* edit = Named(new TRzEdit(parent), name);
    edit->setGeometry(left, top, width, 21);
    edit->SetFrameColor(Colors::Frame);
    edit->SetMaxLength(maxLength);
    edit->setEnabled(false);
    return edit;
}

TRzMaskEdit* NewTimeField(QWidget* parent, const char* name, int top, const QColor& colour) {
    auto* edit = Named(new TRzMaskEdit(parent), name);
    edit->setGeometry(288, top, 96, 21);
    edit->SetEditMask(QStringLiteral("000:00:00.000;1;_"));
    edit->SetMaxLength(13);
    edit->SetText(QStringLiteral("000:00:00.000"));
    edit->setFont(Tahoma());
    edit->SetFontColor(colour);
    edit->SetFrameColor(colour);
    edit->setEnabled(false);
    return edit;
}

TRzBitBtn* NewGlyphButton(QWidget* parent, const char* name, int left, const QString& caption,
                          const QImage& glyph) {
    auto* button = Named(new TRzBitBtn(parent), name);
    button->setGeometry(left, 114, 88, 48);
    button->setText(caption);
    button->SetGlyph(glyph);
    button->setEnabled(false);
    return button;
}

void SetWindowColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

} // namespace

void TFrmVE3Zezeva::CreateControls() {
    setObjectName(QStringLiteral("FrmVE3Zezeva"));
    setFixedSize(592, 452);
    setFont(Tahoma());

    FS = NewImage(this, "FS", 0, 0, 592, 452);
    FS->SetPicture(Skin::MainBackground());

    Label10 = Named(new TLabel(this), "Label10");
    Label10->SetAutoSize(false);
    Label10->setGeometry(0, 0, 592, 105);

    Label11 = NewLabel(this, "Label11", 12, 8, QString());
    Label11->setFont(Tahoma(true));
    Label11->SetFontColor(Colors::White);
    Label11->SetCaption(QStringLiteral("Snipora  version 1.0"));

    Label1 = NewRightLabel(this, "Label1", 125, 193, QStringLiteral("000:00:00.000"));

    Label12 = NewLabel(this, "Label12", 30, 431, QString());
    Label12->setFont(Tahoma());
    Label12->SetFontColor(Colors::White);

    ImageStart = NewImage(this, "ImageStart", 129, 173, 16, 16);
    ImageStart->SetHint(QStringLiteral("Drag to set start tag"));
    ImageEnd = NewImage(this, "ImageEnd", 560, 173, 16, 16);
    ImageEnd->SetHint(QStringLiteral("Drag to set end tag"));
    for (TImage* marker : {ImageStart, ImageEnd}) {
        marker->setCursor(Qt::PointingHandCursor);
        marker->SetTransparent(true);
        marker->setEnabled(false);
    }

    ImageFileState1 = NewImage(this, "ImageFileState1", 10, 430, 16, 16);
    ImageFileState1->SetPicture(Skin::FileLoadedIcon());
    ImageFileState1->setVisible(false);
    ImageFileState2 = NewImage(this, "ImageFileState2", 10, 430, 16, 16);
    ImageFileState2->SetPicture(Skin::NoFileIcon());

    LabelStart = NewRightLabel(this, "LabelStart", 283, 120, QString());
    LabelStart->setFont(Tahoma());
    LabelStart->SetFontColor(Colors::Green);
    LabelStart->SetCaption(QStringLiteral("Start tag"));
    LabelStart->setEnabled(false);
    LabelEnd = NewRightLabel(this, "LabelEnd", 283, 144, QString());
    LabelEnd->setFont(Tahoma());
    LabelEnd->SetFontColor(Colors::Red);
    LabelEnd->SetCaption(QStringLiteral("End tag"));
    LabelEnd->setEnabled(false);

    Label28 = NewRightLabel(this, "Label28", 505, 8, QString());
    Label28->setFont(Tahoma(true));
    Label28->SetFontColor(Colors::White);
    Label28->SetCaption(QStringLiteral(">> Language"));
    Label28->setCursor(Qt::PointingHandCursor);

    RzBmpButton1 = NewBmpButton(this, "RzBmpButton1", 540, 1, 40, 20);
    RzBmpButton1->SetFace(TRzBmpButton::Face::Up, Skin::CloseButtonFace(Skin::Face::Up));
    RzBmpButton1->SetFace(TRzBmpButton::Face::Hot, Skin::CloseButtonFace(Skin::Face::Hot));
    RzBmpButton1->SetHint(QStringLiteral("Close"));
    RzBmpButton2 = NewBmpButton(this, "RzBmpButton2", 513, 1, 27, 20);
    RzBmpButton2->SetFace(TRzBmpButton::Face::Up, Skin::MinimizeButtonFace(Skin::Face::Up));
    RzBmpButton2->SetFace(TRzBmpButton::Face::Hot, Skin::MinimizeButtonFace(Skin::Face::Hot));
    RzBmpButton2->SetHint(QStringLiteral("Minimize"));
    for (TRzBmpButton* titleButton : {RzBmpButton1, RzBmpButton2})
        titleButton->setFocusPolicy(Qt::NoFocus);

    using Skin::Captions;
    BtnOpenMp3 = NewBmpButton(this, "BtnOpenMp3", 187, 34, 64, 64);
    BtnOpenMp3->SetFace(TRzBmpButton::Face::Up,
                        Skin::OpenButtonFace(Skin::Face::Up, Captions::English));
    BtnOpenMp3->SetFace(TRzBmpButton::Face::Hot,
                        Skin::OpenButtonFace(Skin::Face::Hot, Captions::English));
    BtnOpenMp3->SetCaptionMargin(42);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(15);
    arial.setBold(true);
    BtnOpenMp3->setFont(arial);
    QPalette navy = BtnOpenMp3->palette();
    navy.setColor(QPalette::ButtonText, Colors::Navy);
    BtnOpenMp3->setPalette(navy);

    BtnSaveMp3 = NewBmpButton(this, "BtnSaveMp3", 267, 34, 64, 64);
    BtnSaveMp3->SetFace(TRzBmpButton::Face::Up,
                        Skin::SaveButtonFace(Skin::Face::Up, Captions::English));
    BtnSaveMp3->SetFace(TRzBmpButton::Face::Hot,
                        Skin::SaveButtonFace(Skin::Face::Hot, Captions::English));
    BtnSaveMp3->SetFace(TRzBmpButton::Face::Disabled,
                        Skin::SaveButtonFace(Skin::Face::Disabled, Captions::English));
    BtnSaveMp3->setEnabled(false);

    BtnAbout = NewBmpButton(this, "BtnAbout", 515, 34, 64, 64);
    BtnAbout->SetFace(TRzBmpButton::Face::Up,
                      Skin::AboutButtonFace(Skin::Face::Up, Captions::English));
    BtnAbout->SetFace(TRzBmpButton::Face::Hot,
                      Skin::AboutButtonFace(Skin::Face::Hot, Captions::English));

    TrackBarPos = Named(new TRzTrackBar(this), "TrackBarPos");
    TrackBarPos->setGeometry(128, 189, 449, 20);
    TrackBarPos->setRange(0, 100);
    TrackBarPos->setValue(0);
    TrackBarPos->SetThumbStrip(Skin::TrackThumb());
    TrackBarPos->SetTrack(8, 4, Colors::White, Colors::Frame);
    SetWindowColour(TrackBarPos, Colors::White);
    TrackBarPos->setEnabled(false);

    RzPageControl1 = Named(new TRzPageControl(this), "RzPageControl1");
    RzPageControl1->setGeometry(21, 225, 553, 184);
    RzPageControl1->SetTabStripWidth(23);
    RzPageControl1->SetFlatColor(Colors::Frame);
    SetWindowColour(RzPageControl1, Colors::White);
    CreatePropertiesPage();
    CreateTagPage();
    RzPageControl1->SetActivePage(TabSheet2);

    BtnPlayStart =
        NewGlyphButton(this, "BtnPlayStart", 393, QStringLiteral("&Play"), Skin::PlayGlyph());
    BtnStop = NewGlyphButton(this, "BtnStop", 484, QStringLiteral("&Stop"), Skin::StopGlyph());

    PanelState = Named(new TRzPanel(this), "PanelState");
    PanelState->setGeometry(201, 201, 190, 50);
    PanelState->SetColor(Colors::White);
    Image1 = NewImage(PanelState, "Image1", 0, 0, 190, 50);
    Image1->SetPicture(Skin::BusyPlate());
    Label25 = NewLabel(PanelState, "Label25", 32, 19, QString());
    Label25->setFont(Tahoma());
    Label25->SetFontColor(Colors::White);
    Label25->SetCaption(QStringLiteral("Opening......"));
    PanelState->setVisible(false);

    RzMaskEdit1 = NewTimeField(this, "RzMaskEdit1", 116, Colors::Green);
    RzMaskEdit2 = NewTimeField(this, "RzMaskEdit2", 140, Colors::Red);

    CreateComponents();
    SetTabOrder();
    BindEvents();
}

void TFrmVE3Zezeva::CreatePropertiesPage() {
    TabSheet2 = Named(new TTabSheet(RzPageControl1), "TabSheet2");
    TabSheet2->SetCaption(QStringLiteral("Standard"));
    Label23 = NewRightLabel(TabSheet2, "Label23", 104, 16, QStringLiteral("File size:"));
    Label13 = NewRightLabel(TabSheet2, "Label13", 104, 42, QStringLiteral("Encoding:"));
    Label14 = NewRightLabel(TabSheet2, "Label14", 104, 70, QStringLiteral("Channel:"));
    Label15 = NewRightLabel(TabSheet2, "Label15", 104, 98, QStringLiteral("SampleRate:"));
    Label16 = NewRightLabel(TabSheet2, "Label16", 104, 126, QStringLiteral("Bitrate:"));
    Label17 = NewRightLabel(TabSheet2, "Label17", 104, 154, QStringLiteral("Length:"));
    Label24 = NewValueLabel(TabSheet2, "Label24", 16);
    Label18 = NewValueLabel(TabSheet2, "Label18", 42);
    Label19 = NewValueLabel(TabSheet2, "Label19", 70);
    Label20 = NewValueLabel(TabSheet2, "Label20", 98);
    Label21 = NewValueLabel(TabSheet2, "Label21", 126);
    Label22 = NewValueLabel(TabSheet2, "Label22", 154);
}

void TFrmVE3Zezeva::CreateTagPage() {
    TabSheet1 = Named(new TTabSheet(RzPageControl1), "TabSheet1");
    TabSheet1->SetCaption(QStringLiteral("ID3Tags V1"));

    RzCheckBox1 = Named(new TRzCheckBox(TabSheet1), "RzCheckBox1");
    RzCheckBox1->setGeometry(104, 14, 105, 17);
    RzCheckBox1->setText(QStringLiteral("Include"));
    RzCheckBox1->SetFrameColor(Colors::Frame);
    RzCheckBox1->setEnabled(false);

    Label3 = NewRightLabel(TabSheet1, "Label3", 96, 42, QStringLiteral("Title:"));
    RzEdit1 = NewTagEdit(TabSheet1, "RzEdit1", 104, 38, 369, 30);
    Label4 = NewRightLabel(TabSheet1, "Label4", 96, 70, QStringLiteral("Artist:"));
    RzEdit2 = NewTagEdit(TabSheet1, "RzEdit2", 104, 66, 369, 30);
    Label5 = NewRightLabel(TabSheet1, "Label5", 96, 98, QStringLiteral("Album:"));
    RzEdit3 = NewTagEdit(TabSheet1, "RzEdit3", 104, 94, 369, 0);
    Label9 = NewRightLabel(TabSheet1, "Label9", 96, 126, QStringLiteral("Genre:"));

    RzComboBox1 = Named(new TRzComboBox(TabSheet1), "RzComboBox1");
    RzComboBox1->setGeometry(104, 122, 133, 21);
    RzComboBox1->SetFrameColor(Colors::Frame);
    RzComboBox1->SetItemHeight(13);
    RzComboBox1->setEnabled(false);

    Label8 = NewRightLabel(TabSheet1, "Label8", 329, 126, QStringLiteral("TrackNumber:"));
    RzEdit5 = NewTagEdit(TabSheet1, "RzEdit5", 336, 122, 49, 3);
    Label6 = NewRightLabel(TabSheet1, "Label6", 425, 126, QStringLiteral("Year:"));
    RzEdit6 = NewTagEdit(TabSheet1, "RzEdit6", 432, 122, 41, 4);
    Label7 = NewRightLabel(TabSheet1, "Label7", 96, 154, QStringLiteral("Comment:"));
    RzEdit7 = NewTagEdit(TabSheet1, "RzEdit7", 104, 150, 369, 30);
}

void TFrmVE3Zezeva::CreateComponents() {
    OpenDialog1 = Named(new TOpenDialog(this), "OpenDialog1");
    OpenDialog1->Filter = QStringLiteral("MP3(*.mp3)|*.mp3");
    OpenDialog1->FilterIndex = 0;
    OpenDialog1->Title = QStringLiteral("Open MP3 file");

    SaveDialog1 = Named(new TSaveDialog(this), "SaveDialog1");
    SaveDialog1->DefaultExt = QStringLiteral(".mp3");
    SaveDialog1->Filter = QStringLiteral("MP3(*.mp3)|*.mp3");
    SaveDialog1->FilterIndex = 0;
    SaveDialog1->Title = QStringLiteral("Save Mp3 file");
    SaveDialog1->OverwritePrompt = true;

    TimerPos = Named(new TTimer(this), "TimerPos");
    TimerPos->SetEnabled(false);
    TimerPos->SetInterval(1000);

    ImageList1 = Named(new TImageList(this, 64, 64), "ImageList1");
    using Skin::Captions;
    using Skin::Face;
    ImageList1->Add(Skin::OpenButtonFace(Face::Up, Captions::Chinese));
    ImageList1->Add(Skin::OpenButtonFace(Face::Hot, Captions::Chinese));
    ImageList1->Add(Skin::SaveButtonFace(Face::Up, Captions::Chinese));
    ImageList1->Add(Skin::SaveButtonFace(Face::Hot, Captions::Chinese));
    ImageList1->Add(Skin::SaveButtonFace(Face::Disabled, Captions::Chinese));
    ImageList1->Add(Skin::AboutButtonFace(Face::Up, Captions::Chinese));
    ImageList1->Add(Skin::AboutButtonFace(Face::Hot, Captions::Chinese));

    PopupMenuView = Named(new TPopupMenu(this), "PopupMenuView");
    const auto newItem = [this](const char* name, const char* caption, int tag) {
        auto* item = Named(new TMenuItem(PopupMenuView), name);
        item->setText(QLatin1String(caption));
        item->Tag = tag;
        item->RadioItem = true;
        return item;
    };
    PM_English = newItem("PM_English", "English", 0);
    PM_Spanish = newItem("PM_Spanish", "Spanish", 1);
    PM_German = newItem("PM_German", "German", 2);
    PM_Italian = newItem("PM_Italian", "Italian", 3);
    PM_French = newItem("PM_French", "French", 4);
    PM_English->SetChecked(true);
}

void TFrmVE3Zezeva::SetTabOrder() {
    QWidget* const chain[] = {RzMaskEdit1,    RzMaskEdit2, BtnPlayStart, BtnStop, TrackBarPos,
                              RzPageControl1, RzCheckBox1, RzEdit1,      RzEdit2, RzEdit3,
                              RzComboBox1,    RzEdit5,     RzEdit6,      RzEdit7, BtnOpenMp3,
                              BtnSaveMp3,     BtnAbout};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TFrmVE3Zezeva::BindEvents() {
    connect(Label10, &TLabel::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                Label10MouseDown(Label10, button, shift, x, y);
            });
    connect(RzBmpButton1, &QAbstractButton::clicked, this,
            [this] { RzBmpButton1Click(RzBmpButton1); });
    connect(RzBmpButton2, &QAbstractButton::clicked, this,
            [this] { RzBmpButton2Click(RzBmpButton2); });
    connect(BtnAbout, &QAbstractButton::clicked, this, [this] { BtnAboutClick(BtnAbout); });
    connect(BtnOpenMp3, &QAbstractButton::clicked, this, [this] { BtnOpenMp3Click(BtnOpenMp3); });
    connect(BtnSaveMp3, &QAbstractButton::clicked, this, [this] { BtnSaveMp3Click(BtnSaveMp3); });

    connect(ImageStart, &TImage::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                ImageStartMouseDown(ImageStart, button, shift, x, y);
            });
    connect(ImageStart, &TImage::MouseMove, this,
            [this](Qt::KeyboardModifiers shift, int x, int y) {
                ImageStartMouseMove(ImageStart, shift, x, y);
            });
    connect(ImageStart, &TImage::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                ImageStartMouseUp(ImageStart, button, shift, x, y);
            });
    connect(ImageEnd, &TImage::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                ImageEndMouseDown(ImageEnd, button, shift, x, y);
            });
    connect(ImageEnd, &TImage::MouseMove, this, [this](Qt::KeyboardModifiers shift, int x, int y) {
        ImageEndMouseMove(ImageEnd, shift, x, y);
    });
    connect(ImageEnd, &TImage::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                ImageEndMouseUp(ImageEnd, button, shift, x, y);
            });

    connect(TrackBarPos, &TRzTrackBar::Change, this, [this] { TrackBarPosChange(TrackBarPos); });
    connect(RzMaskEdit1, &TRzEdit::Change, this, [this] { RzMaskEdit1Change(RzMaskEdit1); });
    connect(RzMaskEdit2, &TRzEdit::Change, this, [this] { RzMaskEdit1Change(RzMaskEdit2); });
    connect(BtnPlayStart, &QAbstractButton::clicked, this,
            [this] { BtnPlayStartClick(BtnPlayStart); });
    connect(BtnStop, &QAbstractButton::clicked, this, [this] { BtnStopClick(BtnStop); });
    connect(TimerPos, &TTimer::Timer, this, [this] { TimerPosTimer(TimerPos); });
    connect(RzCheckBox1, &TRzCheckBox::Click, this, [this] { RzCheckBox1Click(RzCheckBox1); });
    connect(Label28, &TLabel::Click, this, [this] { Label28Click(Label28); });
    for (TMenuItem* item : {PM_English, PM_Spanish, PM_German, PM_Italian, PM_French})
        connect(item, &TMenuItem::Click, this, [this, item] { PM_EnglishClick(item); });
}
