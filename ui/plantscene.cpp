#include "plantscene.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <array>

PlantScene::PlantScene(QWidget* parent)
    : QWidget(parent),
      // Made back to front, so each lies over the one before.
      sshape1(placeImage(this, QStringLiteral("sshape1"), twipRect(240, 240, 885, 840),
                         QStringLiteral("morvick2"))),
      sshape2(placeImage(this, QStringLiteral("sshape2"), twipRect(240, 1080, 885, 540),
                         QStringLiteral("tubo1"))),
      okan(placeImage(this, QStringLiteral("okan"), twipRect(525, 120, 480, 480),
                      QStringLiteral("okan"))),
      hana0(placeImage(this, QStringLiteral("hana(0)"), twipRect(360, 360, 480, 480),
                       QStringLiteral("hana1"))),
      ribon(placeImage(this, QStringLiteral("ribon"), twipRect(495, 840, 480, 480),
                       QStringLiteral("ribon"))),
      pale0(placeImage(this, QStringLiteral("pale(0)"), twipRect(510, 720, 480, 480),
                       QStringLiteral("pale1"))),
      flower0(placeImage(this, QStringLiteral("flower(0)"), twipRect(720, 360, 480, 480),
                         QStringLiteral("flower1"))),
      colour(colourFromLong(defaultBackColour))
{
    setObjectName(QStringLiteral("Picture1"));
    setGeometry(twipRect(0, 0, 1455, 1685));
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    //: The plant in its scene, as a screen reader names it
    setAccessibleName(tr("モルビック"));
    //: How to touch the plant from the keyboard, as a screen reader tells it
    setAccessibleDescription(tr("スペースキーかEnterキーで、モルビックにさわります"));
    takeOffAll();
    connect(sshape1, &ImageControl::clicked, this, &PlantScene::plantClicked);
}

ImageControl* PlantScene::accessory(int slot) const
{
    const std::array<ImageControl*, accessorySlots> bySlot{okan, ribon, hana0, pale0};
    return bySlot.at(slot - 1);
}

void PlantScene::showPlan(const ScenePlan& plan)
{
    if (plan.shape) {
        sshape1->setPicture(resourcePicture(plan.shape->picture));
        const AccessoryPlaces& places = plan.shape->places;
        okan->move(okan->x(), px(places.okanTop));
        hana0->move(px(places.hanaLeft), px(places.hanaTop));
        ribon->move(ribon->x(), px(places.ribonTop));
        pale0->move(pale0->x(), px(places.paleTop));
    }
    setPot(plan.pot);
    for (int slot = 1; slot <= accessorySlots; ++slot)
        if (plan.worn[slot - 1])
            accessory(slot)->show();
    setBackColour(plan.backColour);
    setWearables(plan.wearables);
    if (plan.blooms)
        flower0->show();
}

void PlantScene::setPot(const QString& picture)
{
    if (!picture.isEmpty())
        sshape2->setPicture(resourcePicture(picture));
}

void PlantScene::setWearables(const WearablePictures& pictures)
{
    hana0->setPicture(resourcePicture(pictures.brooch));
    pale0->setPicture(resourcePicture(pictures.necklace));
    flower0->setPicture(resourcePicture(pictures.flower));
}

void PlantScene::wear(const Slots& worn)
{
    for (int slot = 1; slot <= accessorySlots; ++slot)
        accessory(slot)->setVisible(worn[slot - 1]);
}

void PlantScene::takeOffAll()
{
    for (int slot = 1; slot <= accessorySlots; ++slot)
        accessory(slot)->hide();
    flower0->hide();
}

void PlantScene::hidePlant()
{
    takeOffAll();
    sshape1->hide();
}

void PlantScene::setBackColour(const QColor& newColour)
{
    colour = newColour;
    update();
}

void PlantScene::setPicture(const QImage& image)
{
    picture = image;
    update();
}

void PlantScene::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour);
    if (!picture.isNull())
        painter.drawImage(QPoint(0, 0), picture);
    if (focusFromKeyboard) {
        // A dotted frame, as the help describes it; a style's mark may tint the
        // whole scene, which would read as another background colour.
        painter.setPen(QPen(colour.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PlantScene::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit plantClicked();
}

void PlantScene::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    focusFromKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                        reason == Qt::ShortcutFocusReason;
    QWidget::focusInEvent(event); // QWidget repaints on a focus change, so the frame follows it
}

void PlantScene::focusOutEvent(QFocusEvent* event)
{
    focusFromKeyboard = false;
    QWidget::focusOutEvent(event);
}

// Mouse events arrive accepted: a move over the bare scene goes no further.
void PlantScene::mouseMoveEvent(QMouseEvent*)
{
    emit bareMouseMove();
}
