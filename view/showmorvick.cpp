#include "core/colour.h"
#include "core/mainform.h"
#include "core/random.h"
#include "core/twips.h"
#include "display.h"
#include "plantscene.h"

#include <QLabel>

void MainForm::showmorvick()
{
    PlantScene& scene = *Picture1;

    if (const auto places = accessoryPlaces(morvick.sshape1)) {
        scene.sshape1->setPicture(
            resourcePicture(plantPictureName(morvick.sshape1, growthStage(morvick.days))));
        scene.okan->move(scene.okan->x(), px(places->okanTop));
        scene.hana0->move(px(places->hanaLeft), px(places->hanaTop));
        scene.ribon->move(scene.ribon->x(), px(places->ribonTop));
        scene.pale0->move(scene.pale0->x(), px(places->paleTop));
    }

    if (const QString pot = potPictureName(morvick.sshape2); !pot.isEmpty())
        scene.sshape2->setPicture(resourcePicture(pot));

    ImageControl* const worn[] = {scene.okan, scene.ribon, scene.hana0, scene.pale0};
    for (int slot = 1; slot <= 4; ++slot)
        if (morvick.sacce[slot] == 1)
            worn[slot - 1]->show();

    namebox->setText(morvick.sname);
    agebox->setText(QString::number(int(morvick.days)));

    const WaterStatusText status = waterStatusAtStart(morvick.swater);
    infobox->setText(status.info);
    if (status.message)
        smsgbox->setText(*status.message);

    scene.setBackColour(colourFromLong(morvick.bcolor));

    // A female plant after a male one in the same run gets her own pictures back.
    const QString variant = morvick.sei == 1 ? QStringLiteral("2") : QStringLiteral("1");
    scene.hana0->setPicture(resourcePicture(QStringLiteral("hana") + variant));
    scene.pale0->setPicture(resourcePicture(QStringLiteral("pale") + variant));
    scene.flower0->setPicture(resourcePicture(QStringLiteral("flower") + variant));

    if (const int odds = bloomOdds(morvick.ai); odds > 0 && drawFrom(odds) == 1)
        scene.flower0->show();
}
