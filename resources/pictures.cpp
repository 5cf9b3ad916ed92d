#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

QString PicturePath(const QString& file)
{
    return QStringLiteral(":/pictures/") + file;
}

QImage RenderPicture(const QString& file, QSize size, qreal ratio)
{
    if (size.isEmpty() || !(ratio > 0))
        return {};
    QSvgRenderer renderer(PicturePath(file));
    if (!renderer.isValid())
        return {};
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
