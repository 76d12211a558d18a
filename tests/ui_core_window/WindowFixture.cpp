#include "WindowFixture.h"

#include <QTest>

TWindowFixture::TWindowFixture() {
    dialogs.Form = &form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the main window was never shown");
}

QString TWindowFixture::WriteTaggedFile(const QString& name) {
    Mp3Fixture::TTag tag;
    tag.Title = "Evening  ";
    tag.Artist = "Quartet";
    tag.Album = "Live";
    tag.Year = "1999";
    tag.Comment = "first take";
    tag.Track = 7;
    tag.Genre = 8;
    const QString path = Path(name);
    Mp3Fixture::Write(path, Mp3Fixture::Frames(2500) + Mp3Fixture::Id3v1(tag));
    return path;
}

void TWindowFixture::Open(const QString& path) {
    dialogs.OpenAnswers.append(path);
    QTest::mouseClick(form.BtnOpenMp3, Qt::LeftButton);
}

void TWindowFixture::Drag(TImage* marker, std::initializer_list<int> offsets) {
    // The markers may overlap; each is grabbed by the side the other never covers.
    const QPoint grab(marker == form.ImageStart ? 3 : 12, 8);
    QTest::mousePress(marker, Qt::LeftButton, {}, grab);
    // Positions stay relative to where the marker was pressed, as the mouse does.
    const QPoint origin = marker->mapTo(&form, grab);
    QPoint last = origin;
    for (int offset : offsets) {
        last = origin + QPoint(offset, 0);
        QTest::mouseMove(&form, last);
    }
    QTest::mouseRelease(&form, Qt::LeftButton, {}, last);
}

void TWindowFixture::Type(TRzMaskEdit* field, int position, const QString& keys) {
    field->setFocus();
    field->setCursorPosition(position);
    QTest::keyClicks(field, keys);
}
