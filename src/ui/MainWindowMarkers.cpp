#include "UnitVE3Zezeva.h"

#include "GuardedText.h"
#include "MarkerMath.h"
#include "OrvoMp3.h"
#include "TimeText.h"

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

namespace {

// The mouse point in the coordinates of the window the marker limits are measured in.
QPoint HostPoint(TImage& image, const TMarkerDrag& marker, int x, int y) {
    return image.mapTo(marker.Host, QPoint(x, y));
}

// Moves a dragged marker after the mouse, within its limits; true when it moved. While the
// mouse is beyond a limit the marker stays put and LastMouse keeps the grab point.
bool FollowMouse(TImage& image, TMarkerDrag& marker, QPoint mouse) {
    int candidate = image.Left() + (mouse.x() - marker.LastMouse.x());
    if (candidate < marker.MinLeft)
        candidate = marker.MinLeft;
    else if (candidate > marker.MaxLeft)
        candidate = marker.MaxLeft;
    if (candidate == image.Left())
        return false;
    image.SetLeft(candidate);
    marker.LastMouse = mouse;
    marker.CurrentLeft = candidate;
    return true;
}

// The gap kept between the two markers, in pixels.
constexpr int MarkerGap = 7;

} // namespace

void TFrmVE3Zezeva::MarkerToTime(int Marker) {
    if (Marker == 0 && ImageStart->Enabled()) {
        StartPoint = ::MarkerTime(TrackBarPos->maximum(), StartMarker);
        SetTextGuarded(*RzMaskEdit1, QString::fromStdString(MsToTimeText(StartPoint)));
    } else if (Marker == 1 && ImageEnd->Enabled()) {
        EndPoint = ::MarkerTime(TrackBarPos->maximum(), EndMarker);
        SetTextGuarded(*RzMaskEdit2, QString::fromStdString(MsToTimeText(EndPoint)));
    }
}

void TFrmVE3Zezeva::TimeToMarker(int Marker, std::int64_t Time) {
    const std::int64_t duration = Mp3Engine->Info.Duration;
    if (Marker == 0 && ImageStart->Enabled()) {
        StartPoint = Time;
        if (const auto left = MarkerLeft(Time, duration, StartMarker)) {
            StartMarker.CurrentLeft = *left;
            ImageStart->SetLeft(*left);
            EndMarker.MinLeft = ImageStart->Left() + MarkerGap;
        }
    } else if (Marker == 1 && ImageEnd->Enabled()) {
        EndPoint = Time;
        if (const auto left = MarkerLeft(Time, duration, EndMarker)) {
            EndMarker.CurrentLeft = *left;
            ImageEnd->SetLeft(*left);
            StartMarker.MaxLeft = ImageEnd->Left() - MarkerGap;
        }
    }
}

void TFrmVE3Zezeva::ImageStartMouseDown(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers,
                                        int X, int Y) {
    // Without playing time every pixel means 0 ms: the markers stay at home.
    if (!ImageStart->Enabled() || Button != Qt::LeftButton || TrackBarPos->maximum() <= 0)
        return;
    StartMarker.LastMouse = HostPoint(*ImageStart, StartMarker, X, Y);
    StartMarker.Dragging = true;
    ImageStart->raise();
}

void TFrmVE3Zezeva::ImageStartMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y) {
    if (!ImageStart->Enabled() || !StartMarker.Dragging)
        return;
    if (FollowMouse(*ImageStart, StartMarker, HostPoint(*ImageStart, StartMarker, X, Y))) {
        EndMarker.MinLeft = ImageStart->Left() + MarkerGap;
        MarkerToTime(0);
    }
}

void TFrmVE3Zezeva::ImageStartMouseUp(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers Shift,
                                      int X, int Y) {
    ImageStartMouseMove(Sender, Shift, X, Y);
    StartMarker.Dragging = false;
}

void TFrmVE3Zezeva::ImageEndMouseDown(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers,
                                      int X, int Y) {
    if (!ImageEnd->Enabled() || Button != Qt::LeftButton || TrackBarPos->maximum() <= 0)
        return;
    EndMarker.LastMouse = HostPoint(*ImageEnd, EndMarker, X, Y);
    EndMarker.Dragging = true;
    ImageEnd->raise();
}

void TFrmVE3Zezeva::ImageEndMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y) {
    if (!ImageEnd->Enabled() || !EndMarker.Dragging)
        return;
    if (FollowMouse(*ImageEnd, EndMarker, HostPoint(*ImageEnd, EndMarker, X, Y))) {
        StartMarker.MaxLeft = ImageEnd->Left() - MarkerGap;
        MarkerToTime(1);
    }
}

void TFrmVE3Zezeva::ImageEndMouseUp(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers Shift,
                                    int X, int Y) {
    ImageEndMouseMove(Sender, Shift, X, Y);
    EndMarker.Dragging = false;
}

void TFrmVE3Zezeva::RzMaskEdit1Change(QObject* Sender) {
    const bool start = Sender == RzMaskEdit1;
    TRzMaskEdit& field = start ? *RzMaskEdit1 : *RzMaskEdit2;
    if (field.Tag == 1)
        return;
    const std::int64_t lower = start ? 0 : StartPoint;
    const std::int64_t upper = start ? EndPoint : Mp3Engine->Info.Duration;
    std::int64_t time = TimeTextToMs(NormalizeTimeText(field.Text().toStdString()));
    if (time < lower)
        time = lower;
    else if (time > upper)
        time = upper;

    const QString text = QString::fromStdString(MsToTimeText(time));
    if (text != field.Text()) {
        field.Tag = 1;
        const int selStart = field.SelStart();
        const int selLength = field.SelLength();
        field.SetText(text);
        field.SetSelStart(selStart);
        field.SetSelLength(selLength);
        field.Tag = 0;
    }
    TimeToMarker(start ? 0 : 1, time);
}

void TFrmVE3Zezeva::TrackBarPosChange(QObject*) {
    Label1->SetCaption(QString::fromStdString(MsToTimeText(TrackBarPos->value())));
}
