#include "plantscene.h"

#include "core/colour.h"
#include "core/morvick.h"
#include "core/twips.h"

#include <QMouseEvent>
#include <QPainter>

PlantScene::PlantScene(QWidget* parent)
    : QWidget(parent),
      sshape1(new ImageControl(QStringLiteral("sshape1"), twipRect(240, 240, 885, 840), this)),
      sshape2(new ImageControl(QStringLiteral("sshape2"), twipRect(240, 1080, 885, 540), this)),
      okan(new ImageControl(QStringLiteral("okan"), twipRect(525, 120, 480, 480), this)),
      hana0(new ImageControl(QStringLiteral("hana(0)"), twipRect(360, 360, 480, 480), this)),
      ribon(new ImageControl(QStringLiteral("ribon"), twipRect(495, 840, 480, 480), this)),
      pale0(new ImageControl(QStringLiteral("pale(0)"), twipRect(510, 720, 480, 480), this)),
      flower0(new ImageControl(QStringLiteral("flower(0)"), twipRect(720, 360, 480, 480), this)),
      colour(colourFromLong(defaultBackColour))
{
    setObjectName(QStringLiteral("Picture1"));
    setGeometry(twipRect(0, 0, 1455, 1685));
    setMouseTracking(true);

    sshape1->setPicture(resourcePicture(QStringLiteral("morvick2")));
    sshape2->setPicture(resourcePicture(QStringLiteral("tubo1")));
    okan->setPicture(resourcePicture(QStringLiteral("okan")));
    hana0->setPicture(resourcePicture(QStringLiteral("hana1")));
    ribon->setPicture(resourcePicture(QStringLiteral("ribon")));
    pale0->setPicture(resourcePicture(QStringLiteral("pale1")));
    flower0->setPicture(resourcePicture(QStringLiteral("flower1")));
    for (ImageControl* accessory : {okan, hana0, ribon, pale0, flower0})
        accessory->hide();
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
}

void PlantScene::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}
