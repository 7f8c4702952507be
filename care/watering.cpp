#include "watering.h"

#include "core/controls.h"
#include "core/mainform.h"
#include "core/overform.h"
#include "core/sound.h"
#include "core/twips.h"
#include "view/plantscene.h"

#include <QLabel>

namespace {
// The rotted plant leaves only its pot behind.
void hidePlant(PlantScene& scene)
{
    for (ImageControl* image :
         {scene.sshape1, scene.okan, scene.hana0, scene.pale0, scene.ribon, scene.flower0})
        image->hide();
}
} // namespace

void MainForm::siikubutton1_Click()
{
    morvick.swater += waterPortion;
    sounds.play(programDirectory() + QStringLiteral("/water.wav"));

    if (const auto reaction = wateringReaction(morvick.swater)) {
        morvick.ai += reaction->aiChange;
        infobox->setText(reaction->info);
        smsgbox->setText(reaction->message);
        return;
    }

    hidePlant(*Picture1);
    infobox->clear();
    OverForm overform(OverForm::Cause::Rotted, this);
    placeOnScreen(overform, frameGeometry().topLeft() + twipOffset(1500, 1080), *this);
    overform.exec();
}
