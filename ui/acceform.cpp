#include "acceform.h"

#include <QCheckBox>
#include <QPushButton>

AcceForm::AcceForm(QWidget* parent)
    : GameDialog(parent, QStringLiteral("acceform"), QSize(2175, 1335))
{
    placeImage(this, QStringLiteral("Image1"), twipRect(240, 120, 480, 480),
               QStringLiteral("okan"));
    placeImage(this, QStringLiteral("Image2"), twipRect(720, 150, 480, 480),
               QStringLiteral("ribon"));
    Image3_0 = placeImage(this, QStringLiteral("Image3(0)"), twipRect(1200, 120, 480, 480),
                          QStringLiteral("flower2"));
    Image4_0 = placeImage(this, QStringLiteral("Image4(0)"), twipRect(1680, 120, 480, 480),
                          QStringLiteral("pale1"));

    const int lefts[] = {285, 795, 1245, 1725};
    for (int index = 0; index < accessorySlots; ++index)
        acheck[index] = placeControl<QCheckBox>(this, QStringLiteral("acheck(%1)").arg(index),
                                                twipRect(lefts[index], 600, 255, 255));
    //: The check box of the first accessory, as a screen reader names it
    acheck[0]->setAccessibleName(tr("王冠"));
    //: The check box of the second accessory (a red bow), as a screen reader names it
    acheck[1]->setAccessibleName(tr("リボン"));
    //: The accessories window, as a screen reader names it
    setAccessibleName(tr("飾りをつける"));
    showPictures(accessoryWindowPictures(2));

    //: Button: put on the ticked accessories
    auto* Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                               twipRect(600, 960, 1095, 255), tr("OK"));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &AcceForm::Command1_Click);
}

void AcceForm::showPictures(const AccessoryWindowPictures& pictures)
{
    Image3_0->setPicture(resourcePicture(pictures.brooch));
    Image4_0->setPicture(resourcePicture(pictures.necklace));
    acheck[2]->setAccessibleName(pictures.broochName);
    acheck[3]->setAccessibleName(pictures.necklaceName);
}

void AcceForm::tick(const Slots& worn)
{
    for (int index = 0; index < accessorySlots; ++index)
        if (worn[index])
            acheck[index]->setChecked(true);
}

Slots AcceForm::ticked() const
{
    Slots ticks{};
    for (int index = 0; index < accessorySlots; ++index)
        ticks[index] = acheck[index]->isChecked();
    return ticks;
}

void AcceForm::Command1_Click()
{
    accept();
}
