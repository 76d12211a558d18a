#pragma once

#include <QImage>
#include <QList>
#include <QObject>

// Pictures of one size, addressed by their slot number.
class TImageList : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Width MEMBER Width)
    Q_PROPERTY(int Height MEMBER Height)
    Q_PROPERTY(int Count READ Count)

public:
    TImageList(QObject* parent, int width, int height);

    int Width;
    int Height;
    int Count() const { return int(images.size()); }
    void Add(const QImage& image) { images.append(image); }
    // An empty picture for a slot that does not exist.
    QImage GetBitmap(int index) const { return images.value(index); }

private:
    QList<QImage> images;
};
