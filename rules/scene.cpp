#include "scene.h"

#include <QCoreApplication>

int growthStage(int days)
{
    if (days > 120)
        return 3;
    if (days > 60)
        return 2;
    return 1;
}

std::optional<PlantShape> plantShape(int sshape1, int days)
{
    if (sshape1 != 1 && sshape1 != 2)
        return std::nullopt;
    const int stage = growthStage(days);
    QString picture = QStringLiteral("morvick%1").arg(sshape1);
    if (stage > 1)
        picture += QString::number(stage);
    const AccessoryPlaces places = sshape1 == 1 ? AccessoryPlaces{150, 240, 360, 720, 900}
                                                : AccessoryPlaces{120, 360, 480, 840, 510};
    return PlantShape{picture, places};
}

QString potPicture(int sshape2)
{
    if (sshape2 < 1 || sshape2 > 3)
        return {};
    return QStringLiteral("tubo%1").arg(sshape2);
}

namespace {
WearablePictures wearablePictures(int sei)
{
    if (sei == 1)
        return {QStringLiteral("hana2"), QStringLiteral("pale2"), QStringLiteral("flower2")};
    return {QStringLiteral("hana1"), QStringLiteral("pale1"), QStringLiteral("flower1")};
}
} // namespace

AccessoryWindowPictures accessoryWindowPictures(int sei)
{
    if (sei == 1)
        return {
            QStringLiteral("hana2"), QStringLiteral("pale2"),
            //: A male plant's third accessory, a red and blue badge, as a screen reader names it
            QCoreApplication::translate("Scene", "紋章のバッジ"),
            //: A male plant's fourth accessory, a gold chain with a pendant
            QCoreApplication::translate("Scene", "金の鎖")};
    return {QStringLiteral("flower2"), QStringLiteral("pale1"),
            //: A female plant's third accessory, an oval blue gem, as a screen reader names it
            QCoreApplication::translate("Scene", "ブローチ"),
            //: A female plant's fourth accessory, a pink pearl necklace
            QCoreApplication::translate("Scene", "真珠のネックレス")};
}

namespace {
/* N of the one-in-N chance to bloom; 0: no draw at all */
int bloomOdds(int ai)
{
    if (ai < 0)
        return 0;
    if (ai < 10)
        return 20;
    if (ai < 30)
        return 10;
    return 5;
}
} // namespace

ScenePlan planScene(const PlantState& state, const Draw& draw)
{
    ScenePlan plan;
    plan.shape = plantShape(state.sshape1, state.days);
    plan.pot = potPicture(state.sshape2);
    plan.worn = wornSlots(state);
    plan.name = state.sname;
    plan.age = QString::number(int(state.days));
    plan.water = waterStatusAtStart(state.swater);
    plan.backColour = colourFromLong(state.bcolor);
    plan.wearables = wearablePictures(state.sei);
    const int odds = bloomOdds(state.ai);
    plan.blooms = odds > 0 && drawFrom(draw, odds) == 1;
    return plan;
}
