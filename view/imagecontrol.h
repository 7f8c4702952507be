#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

// One of the game's pictures; the name lets code and tests tell pictures apart.
struct Picture {
    QString name;
    QIcon icon;
    /* the size the picture is drawn at, in device-independent pixels */
    QSize size;
};

// ":/pictures/<name>.png" with its @2x twin, so high-DPI screens get native pixels.
QIcon resourceIcon(const QString& name);

// The same as a picture at its natural size.
Picture resourcePicture(const QString& name);

// An image on a window: shows a picture at its natural size from its top-left
// corner (or stretched over its rectangle), reports clicks, and keeps mouse moves
// to itself so the widget behind it only sees moves over its bare parts.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    ImageControl(const QString& name, const QRect& rect, QWidget* parent);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return shown; }
    void setStretch(bool on);
    /* an opaque picture: the colour fills the whole rectangle behind it */
    void setBackground(const QColor& colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Picture shown;
    bool stretch = false;
    QColor background;
    bool pressed = false;
};
