#pragma once

#include "controls.h"
#include "rules/scene.h"

#include <QColor>
#include <QImage>
#include <QWidget>

// The picture box the plant stands in: a background colour, an optional
// background picture at its own size from the top-left corner, and the seven
// images, front to back: flower(0), pale(0), ribon, hana(0), okan, sshape2, sshape1.
class PlantScene : public QWidget
{
    Q_OBJECT
public:
    explicit PlantScene(QWidget* parent);

    // The plant drawn afresh. Never hides an accessory or the flower.
    void showPlan(const ScenePlan& plan);

    /* an empty name leaves the pot as it is */
    void setPot(const QString& picture);
    /* puts on the ticked accessories and takes off the rest; their pictures are the plant's own */
    void wear(const Slots& worn);
    /* a new plant: no accessory and no flower */
    void takeOffAll();
    /* the plant has rotted: only the pot is left */
    void hidePlant();

    void setBackColour(const QColor& colour);
    QColor backColour() const { return colour; }
    /* a null image removes the picture */
    void setPicture(const QImage& image);

signals:
    void plantClicked();
    /* the pointer moved over a part of the scene that no visible image covers */
    void bareMouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // The keyboard's way to touch the plant: Tab to it, then Space or Enter.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    /* the image of the accessory of slot 1..4 */
    ImageControl* accessory(int slot) const;
    void setWearables(const WearablePictures& pictures);

    ImageControl* const sshape1;
    ImageControl* const sshape2;
    ImageControl* const okan;
    ImageControl* const hana0;
    ImageControl* const ribon;
    ImageControl* const pale0;
    ImageControl* const flower0;
    QColor colour;
    QImage picture;
    /* the focus came by Tab: only then is it marked, so the mouse sees no change */
    bool focusFromKeyboard = false;
};
