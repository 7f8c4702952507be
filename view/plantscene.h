#pragma once

#include "imagecontrol.h"

#include <QColor>
#include <QImage>
#include <QWidget>

// The scene the plant stands in: a background colour, an optional background
// picture at its own size from the top-left corner, and the seven images.
class PlantScene : public QWidget
{
    Q_OBJECT
public:
    explicit PlantScene(QWidget* parent);

    void setBackColour(const QColor& colour);
    QColor backColour() const { return colour; }
    /* a null image removes the picture */
    void setPicture(const QImage& image);
    bool hasPicture() const { return !picture.isNull(); }

    // Back to front, as they stack.
    ImageControl* const sshape1;
    ImageControl* const sshape2;
    ImageControl* const okan;
    ImageControl* const hana0;
    ImageControl* const ribon;
    ImageControl* const pale0;
    ImageControl* const flower0;

signals:
    /* the pointer moved over a part of the scene that no visible image covers */
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor colour;
    QImage picture;
};
