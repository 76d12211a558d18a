#include "ImageList.h"

TImageList::TImageList(QObject* parent, int width, int height)
    : QObject(parent), Width(width), Height(height) {}
