#include "Application.h"
#include "Colors.h"
#include "LanguageSetting.h"
#include "OrvoMp3.h"
#include "RoundRectRegion.h"
#include "UnitVE3Zezeva.h"
#include "WindowMove.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

std::string AppDir;
bool UseBuiltInTexts = false;
TFrmVE3Zezeva* FrmVE3Zezeva = nullptr;

std::string FolderOf(const std::string& programFile) {
    const std::size_t slash = programFile.rfind('/');
    return slash == std::string::npos ? std::string("./") : programFile.substr(0, slash + 1);
}

std::string GetAppDir() {
    return FolderOf(std::filesystem::read_symlink("/proc/self/exe"));
}

TFrmVE3Zezeva::TFrmVE3Zezeva(QWidget* parent) : QWidget(parent) {
    FrmVE3Zezeva = this;
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowSystemMenuHint);
    CreateControls();
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());
    // A failing step leaves the later ones undone, but the window still opens.
    try {
        FormCreate(this);
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

TFrmVE3Zezeva::~TFrmVE3Zezeva() {
    if (FrmVE3Zezeva == this)
        FrmVE3Zezeva = nullptr;
}

void TFrmVE3Zezeva::FormCreate(QObject*) {
    AppDir = GetAppDir();
    UseBuiltInTexts = true;
    if (UseBuiltInTexts)
        ApplyBuiltInTexts();
    SetRoundRegion();
    Mp3Engine = std::make_unique<TOrvoMP3>("");
    QStringList genres;
    for (const char* genre : Id3Genres)
        genres.append(QString::fromLatin1(genre));
    RzComboBox1->AddItems(genres);
    SetupMarkers(false);
}

void TFrmVE3Zezeva::ApplyBuiltInTexts() {
    Label28->setVisible(false);
    Ms_Opening = QStringLiteral("正在打开......");
    Ms_Waiting = QStringLiteral("请稍等......");
    Ms_Error = QStringLiteral("错误");
    Ms_Mono = QStringLiteral("单声道");
    Ms_Stereo = QStringLiteral("立体声");
    Ms_Info = QStringLiteral("信息");
    Ms_NotMP3 = QStringLiteral("不是MP3文件");
    Ms_NotSaveName = QStringLiteral("请使用其他文件名，不能保存为：\r\n");
    Ms_NotSave = QStringLiteral("不能保存MP3文件");

    QFont songti = font();
    songti.setFamily(QStringLiteral("宋体"));
    songti.setPixelSize(PointsToPixels(9));
    setFont(songti);
    for (TLabel* label : {Label11, LabelStart, LabelEnd, Label25}) {
        QFont own = label->font();
        own.setFamily(QStringLiteral("宋体"));
        own.setPixelSize(PointsToPixels(9));
        label->setFont(own);
    }

    if (auto* application = qobject_cast<TApplication*>(QCoreApplication::instance()))
        application->SetTitle(QStringLiteral("Snipora"));
    Label11->SetCaption(QStringLiteral("Snipora 2.2.7"));
    RzBmpButton2->SetHint(QStringLiteral("最小化"));
    RzBmpButton1->SetHint(QStringLiteral("关闭"));
    BtnPlayStart->setText(QStringLiteral("播 放"));
    BtnStop->setText(QStringLiteral("停 止"));
    LabelStart->SetCaption(QStringLiteral("起始点"));
    LabelEnd->SetCaption(QStringLiteral("结束点"));
    Label1->SetCaption(QStringLiteral("000:00:00.000"));
    Label25->SetCaption(Ms_Opening);
    TabSheet2->SetCaption(QStringLiteral("常规"));
    Label23->SetCaption(QStringLiteral("文件大小:"));
    Label13->SetCaption(QStringLiteral("编码:"));
    Label14->SetCaption(QStringLiteral("声道:"));
    Label15->SetCaption(QStringLiteral("频率:"));
    Label16->SetCaption(QStringLiteral("码率:"));
    Label17->SetCaption(QStringLiteral("播放时长:"));
    RzCheckBox1->setText(QStringLiteral("包含"));
    Label3->SetCaption(QStringLiteral("标题:"));
    Label4->SetCaption(QStringLiteral("艺术家:"));
    Label5->SetCaption(QStringLiteral("专辑:"));
    Label9->SetCaption(QStringLiteral("流派:"));
    Label8->SetCaption(QStringLiteral("音轨:"));
    Label6->SetCaption(QStringLiteral("年代:"));
    Label7->SetCaption(QStringLiteral("备注:"));
    ImageStart->SetHint(QStringLiteral("用鼠标拖动设定起始点"));
    ImageEnd->SetHint(QStringLiteral("用鼠标拖动设定结束点"));
    Label12->SetCaption(
        QStringLiteral("点击“打开”选择MP3文件，拖动①和②设定起止点，然后点击“保存”新MP3文件。"));

    using Face = TRzBmpButton::Face;
    BtnOpenMp3->SetFace(Face::Up, ImageList1->GetBitmap(0));
    BtnOpenMp3->SetFace(Face::Hot, ImageList1->GetBitmap(1));
    BtnSaveMp3->SetFace(Face::Up, ImageList1->GetBitmap(2));
    BtnSaveMp3->SetFace(Face::Hot, ImageList1->GetBitmap(3));
    BtnSaveMp3->SetFace(Face::Disabled, ImageList1->GetBitmap(4));
    BtnAbout->SetFace(Face::Up, ImageList1->GetBitmap(5));
    BtnAbout->SetFace(Face::Hot, ImageList1->GetBitmap(6));
}

void TFrmVE3Zezeva::SetRoundRegion() {
    const QRect bounds = FS->geometry();
    setMask(RoundRectRegion(bounds.left() + 1, bounds.top() + 1, bounds.right() + 1,
                            bounds.bottom() + 1, 9, 9));
}

void TFrmVE3Zezeva::closeEvent(QCloseEvent* event) {
    // The window closes even when its close handling fails; the error is still shown.
    try {
        FormClose(this);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    event->accept();
}

void TFrmVE3Zezeva::FormClose(QObject*) {
    // The poll must not tick into the freed engine while an error box keeps the loop running.
    TimerPos->SetEnabled(false);
    Mp3Engine.reset();
    SaveLanguageSetting(AppDir);
}

void TFrmVE3Zezeva::Label10MouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X,
                                     int Y) {
    StartWindowMove(this, Label10->mapToGlobal(QPoint(X, Y)));
}

void TFrmVE3Zezeva::RzBmpButton1Click(QObject*) {
    close();
}

void TFrmVE3Zezeva::RzBmpButton2Click(QObject*) {
    if (auto* application = qobject_cast<TApplication*>(QCoreApplication::instance()))
        application->Minimize();
}

void TFrmVE3Zezeva::BtnAboutClick(QObject*) {}
