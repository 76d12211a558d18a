#pragma once

#include "BitBtn.h"
#include "BmpButton.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlProperties.h"
#include "Edit.h"
#include "FileDialog.h"
#include "Image.h"
#include "ImageList.h"
#include "Label.h"
#include "MarkerDrag.h"
#include "MaskEdit.h"
#include "PageControl.h"
#include "Panel.h"
#include "PopupMenu.h"
#include "Timer.h"
#include "TrackBar.h"

#include <cstdint>
#include <memory>
#include <string>

class TOrvoMP3;

// The folder of the program file, ending in "/": marker pictures, the settings file and the
// language files lie there.
extern std::string AppDir;
// True: every form shows its built-in Chinese texts; false: English texts and language files.
extern bool UseBuiltInTexts;

class TFrmVE3Zezeva;
extern TFrmVE3Zezeva* FrmVE3Zezeva;

// The folder of the running program file.
std::string GetAppDir();
// The folder part of a program file's path, up to and including its last "/".
std::string FolderOf(const std::string& programFile);

// The main window.
class TFrmVE3Zezeva : public QWidget {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)

public:
    explicit TFrmVE3Zezeva(QWidget* parent = nullptr);
    ~TFrmVE3Zezeva() override;

    // Controls, in creation order: later ones lie above earlier ones.
    TImage* FS;
    TLabel* Label10;
    TLabel* Label11;
    TLabel* Label1;
    TLabel* Label12;
    TImage* ImageStart;
    TImage* ImageEnd;
    TImage* ImageFileState1;
    TImage* ImageFileState2;
    TLabel* LabelStart;
    TLabel* LabelEnd;
    TLabel* Label28;
    TRzBmpButton* RzBmpButton1;
    TRzBmpButton* RzBmpButton2;
    TRzBmpButton* BtnOpenMp3;
    TRzBmpButton* BtnSaveMp3;
    TRzBmpButton* BtnAbout;
    TRzTrackBar* TrackBarPos;
    TRzPageControl* RzPageControl1;
    TTabSheet* TabSheet2;
    TLabel* Label23;
    TLabel* Label13;
    TLabel* Label14;
    TLabel* Label15;
    TLabel* Label16;
    TLabel* Label17;
    TLabel* Label24;
    TLabel* Label18;
    TLabel* Label19;
    TLabel* Label20;
    TLabel* Label21;
    TLabel* Label22;
    TTabSheet* TabSheet1;
    TRzCheckBox* RzCheckBox1;
    TLabel* Label3;
    TRzEdit* RzEdit1;
    TLabel* Label4;
    TRzEdit* RzEdit2;
    TLabel* Label5;
    TRzEdit* RzEdit3;
    TLabel* Label9;
    TRzComboBox* RzComboBox1;
    TLabel* Label8;
    TRzEdit* RzEdit5;
    TLabel* Label6;
    TRzEdit* RzEdit6;
    TLabel* Label7;
    TRzEdit* RzEdit7;
    TRzBitBtn* BtnPlayStart;
    TRzBitBtn* BtnStop;
    TRzPanel* PanelState;
    TImage* Image1;
    TLabel* Label25;
    TRzMaskEdit* RzMaskEdit1;
    TRzMaskEdit* RzMaskEdit2;

    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
    TTimer* TimerPos;
    TImageList* ImageList1;
    TPopupMenu* PopupMenuView;
    TMenuItem* PM_English;
    TMenuItem* PM_Spanish;
    TMenuItem* PM_German;
    TMenuItem* PM_Italian;
    TMenuItem* PM_French;

    std::unique_ptr<TOrvoMP3> Mp3Engine;
    std::int64_t StartPoint = 0;
    std::int64_t EndPoint = 0;
    TMarkerDrag StartMarker;
    TMarkerDrag EndMarker;

    // The texts of the busy panel and the message boxes.
    QString Ms_Opening;
    QString Ms_Waiting;
    QString Ms_Mono;
    QString Ms_Stereo;
    QString Ms_Info;
    QString Ms_NotMP3;
    QString Ms_NotSaveName;
    QString Ms_Error;
    QString Ms_NotSave;

    // Start-up and lifecycle.
    void FormCreate(QObject* Sender);
    void FormClose(QObject* Sender);
    void ApplyBuiltInTexts();
    void SetRoundRegion();
    void Label10MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                          int X, int Y);
    void RzBmpButton1Click(QObject* Sender);
    void RzBmpButton2Click(QObject* Sender);
    void BtnAboutClick(QObject* Sender);

    // Selection markers and time fields.
    void SetupMarkers(bool Enabled);
    void MarkerToTime(int Marker);
    void TimeToMarker(int Marker, std::int64_t Time);
    void ImageStartMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                             int X, int Y);
    void ImageStartMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageStartMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                           int X, int Y);
    void ImageEndMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                           int X, int Y);
    void ImageEndMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void ImageEndMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                         int X, int Y);
    void RzMaskEdit1Change(QObject* Sender);
    void TrackBarPosChange(QObject* Sender);

    // Opening a file.
    void BtnOpenMp3Click(QObject* Sender);
    void RzCheckBox1Click(QObject* Sender);

    // Saving the clip.
    void BtnSaveMp3Click(QObject* Sender);

    // Playback.
    void BtnPlayStartClick(QObject* Sender);
    void BtnStopClick(QObject* Sender);
    void TimerPosTimer(QObject* Sender);

    // Language menu.
    void Label28Click(QObject* Sender);
    void PM_EnglishClick(QObject* Sender);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreatePropertiesPage();
    void CreateTagPage();
    void CreateComponents();
    void SetTabOrder();
    void BindEvents();
};
