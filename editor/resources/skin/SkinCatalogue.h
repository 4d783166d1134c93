#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace skin
{
// One image of the skin: its resource id, whole size, the frame count windows load it with
// (1 for pictures and bitmaps), what it shows, and the code that draws it.
struct Entry
{
    unsigned id;
    QSize size;
    int frames;
    QString role;
    std::function<QImage()> draw;
};

//! Every image of the skin, in id order.
const std::vector<Entry>& Catalogue();
} // namespace skin
