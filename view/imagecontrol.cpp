#include "imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

QIcon resourceIcon(const QString& name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/%1.png").arg(name));
    icon.addFile(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    return icon;
}

Picture resourcePicture(const QString& name)
{
    const QIcon icon = resourceIcon(name);
    // The @2x twin is listed too; the natural size is the smaller one.
    QSize natural;
    for (const QSize& size : icon.availableSizes())
        if (!natural.isValid() || size.width() < natural.width())
            natural = size;
    return {name, icon, natural};
}

ImageControl::ImageControl(const QString& name, const QRect& rect, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageControl::setPicture(const Picture& picture)
{
    shown = picture;
    update();
}

void ImageControl::setStretch(bool on)
{
    stretch = on;
    update();
}

void ImageControl::setBackground(const QColor& colour)
{
    background = colour;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (background.isValid())
        painter.fillRect(rect(), background);
    if (shown.icon.isNull())
        return;
    // The device's ratio, not the widget's: a grab into a high-DPI pixmap gets the @2x picture.
    const QPixmap pixmap = shown.icon.pixmap(shown.size, painter.device()->devicePixelRatioF());
    if (stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap);
        return;
    }
    painter.drawPixmap(QPoint(0, 0), pixmap);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// A double click is one click followed by a double click, not two clicks.
void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressed = false;
    event->accept();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}
