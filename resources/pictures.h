#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

// The program's pictures are SVG files compiled in under ":/pictures/", drawn at the sizes the layouts give.

// The resource path of a picture file, e.g. "cover.svg".
QString PicturePath(const QString& file);

// The SVG text of a picture resource, with every text marked class="tr" in the player's language (the
// words on the tabs); empty when the resource cannot be read.
QByteArray PictureSource(const QString& resource);

// Renders a picture resource (":/pictures/...") at `size` logical pixels with `ratio` device pixels per
// logical pixel; see RenderPicture.
QImage RenderPictureResource(const QString& resource, QSize size, qreal ratio = 1.0);

// Renders a picture at `size` logical pixels with `ratio` device pixels per logical pixel, so it stays sharp
// on dense screens. A missing or broken picture, an empty size or a ratio that is not positive gives a null
// image.
QImage RenderPicture(const QString& file, QSize size, qreal ratio = 1.0);

// The hand cursor's hotspot: the tip of the index finger in the 32 x 32 picture "hand_cursor.svg".
inline constexpr QPoint HandCursorHotspot{12, 1};
