#include "acceform.h"

#include "accessories.h"
#include "core/controls.h"
#include "core/mainform.h"
#include "core/morvick.h"
#include "core/sound.h"
#include "core/twips.h"
#include "view/imagecontrol.h"
#include "view/plantscene.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {
bool isMale()
{
    return morvick.sei == 1;
}

/* the image on the plant that shows the accessory of slot 1..4 */
ImageControl& imageOnPlant(PlantScene& scene, int slot)
{
    ImageControl* const images[] = {scene.okan, scene.ribon, scene.hana0, scene.pale0};
    return *images[slot - 1];
}

/* the picture a male plant wears in slot 3 or 4 */
Picture malePicture(int slot)
{
    return resourcePicture(slot == 3 ? QStringLiteral("hana2") : QStringLiteral("pale2"));
}
} // namespace

AcceForm::AcceForm(MainForm& owner) : GameDialog(&owner), mainform(owner)
{
    setObjectName(QStringLiteral("acceform"));
    setWindowTitle(QString());
    setFixedSize(px(2175), px(1335));
    buildPictures();
    buildChecks();

    Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                         twipRect(600, 960, 1095, 255), QStringLiteral("OK"));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &AcceForm::Command1_Click);
}

void AcceForm::buildPictures()
{
    const auto image = [this](const char* name, int left, int top, const char* picture) {
        auto* control =
            new ImageControl(QString::fromLatin1(name), twipRect(left, top, 480, 480), this);
        control->setPicture(resourcePicture(QString::fromLatin1(picture)));
        return control;
    };
    Image1 = image("Image1", 240, 120, "okan");
    Image2 = image("Image2", 720, 150, "ribon");
    Image3_0 = image("Image3(0)", 1200, 120, "flower2");
    Image4_0 = image("Image4(0)", 1680, 120, "pale1");
}

void AcceForm::buildChecks()
{
    const int lefts[] = {285, 795, 1245, 1725};
    for (int index = 0; index < int(acheck.size()); ++index) {
        auto* box = placeControl<QCheckBox>(this, QStringLiteral("acheck(%1)").arg(index),
                                            twipRect(lefts[index], 600, 255, 255));
        acheck[index] = box;
    }
}

void AcceForm::showMalePictures()
{
    Image3_0->setPicture(malePicture(3));
    Image4_0->setPicture(malePicture(4));
}

void AcceForm::tickWornSlots()
{
    for (int slot = 1; slot <= accessorySlots; ++slot)
        if (morvick.sacce[slot] == 1)
            acheck[slot - 1]->setChecked(true);
}

void AcceForm::Command1_Click()
{
    morvick.ai += 1;
    mainform.sounds.play(programDirectory() + QStringLiteral("/bell.wav"));
    for (int slot = 1; slot <= accessorySlots; ++slot)
        applySlot(slot);
    const bool allWorn = std::all_of(acheck.begin(), acheck.end(),
                                     [](const QCheckBox* box) { return box->isChecked(); });
    if (allWorn)
        mainform.smsgbox->setText(allAccessoriesRemark());
    accept();
}

void AcceForm::applySlot(int slot)
{
    ImageControl& image = imageOnPlant(*mainform.Picture1, slot);
    if (!acheck[slot - 1]->isChecked()) {
        morvick.sacce[slot] = 0;
        image.hide();
        return;
    }
    morvick.sacce[slot] = 1;
    if (slot >= 3 && isMale())
        image.setPicture(malePicture(slot));
    image.show();
    mainform.smsgbox->setText(accessoryRemark(slot));
}

void MainForm::siikubutton3_Click()
{
    acceform = new AcceForm(*this);
    placeOnScreen(*acceform, frameGeometry().topLeft() + twipOffset(1500, 900), *this);
    if (isMale())
        acceform->showMalePictures();
    acceform->tickWornSlots();
    acceform->exec();
    // Each opening starts from the design state and the slots as they are then.
    delete acceform;
}
