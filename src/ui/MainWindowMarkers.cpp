#include "UnitVE3Zezeva.h"

#include <QFile>
#include <exception>
#include <utility>

void TFrmVE3Zezeva::SetupMarkers(bool Enabled) {
    const int left = TrackBarPos->Left();
    const int width = TrackBarPos->Width();
    StartMarker = {false,    {},  left + 1, left + width - 24, left + 1, left + width - 24,
                   left + 1, this};
    EndMarker = {
        false, {}, left + 7, left + width - 17, left + 7, left + width - 17, left + width - 17,
        this};
    ImageStart->SetLeft(StartMarker.MinLeft);
    ImageEnd->SetLeft(EndMarker.MaxLeft);

    // A missing picture must not leave the markers half set up: the rest is done first and
    // the first failure is reported afterwards.
    std::exception_ptr failure;
    const std::pair<TImage*, const char*> pictures[] = {
        {ImageStart, Enabled ? "MarkStart.bmp" : "MarkStartD.bmp"},
        {ImageEnd, Enabled ? "MarkEnd.bmp" : "MarkEndD.bmp"}};
    for (const auto& [marker, file] : pictures) {
        try {
            marker->LoadFromFile(QFile::decodeName(AppDir.c_str()) + QLatin1String(file));
        } catch (const std::exception&) {
            marker->SetPicture({});
            if (!failure)
                failure = std::current_exception();
        }
    }
    for (QWidget* control : std::initializer_list<QWidget*>{ImageStart, ImageEnd, LabelStart,
                                                            LabelEnd, RzMaskEdit1, RzMaskEdit2})
        control->setEnabled(Enabled);
    if (failure)
        std::rethrow_exception(failure);
}

void TFrmVE3Zezeva::MarkerToTime(int) {}

void TFrmVE3Zezeva::TimeToMarker(int, std::int64_t) {}

void TFrmVE3Zezeva::ImageStartMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                        int) {}

void TFrmVE3Zezeva::ImageStartMouseMove(QObject*, Qt::KeyboardModifiers, int, int) {}

void TFrmVE3Zezeva::ImageStartMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TFrmVE3Zezeva::ImageEndMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TFrmVE3Zezeva::ImageEndMouseMove(QObject*, Qt::KeyboardModifiers, int, int) {}

void TFrmVE3Zezeva::ImageEndMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TFrmVE3Zezeva::RzMaskEdit1Change(QObject*) {}

void TFrmVE3Zezeva::TrackBarPosChange(QObject*) {}
