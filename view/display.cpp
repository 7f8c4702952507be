#include "display.h"

int growthStage(int days)
{
    if (days > 120)
        return 3;
    if (days > 60)
        return 2;
    return 1;
}

QString plantPictureName(int shape, int stage)
{
    if (shape != 1 && shape != 2)
        return {};
    QString name = QStringLiteral("morvick%1").arg(shape);
    if (stage > 1)
        name += QString::number(stage);
    return name;
}

std::optional<AccessoryPlaces> accessoryPlaces(int shape)
{
    switch (shape) {
    case 1:
        return AccessoryPlaces{150, 240, 360, 720, 900};
    case 2:
        return AccessoryPlaces{120, 360, 480, 840, 510};
    default:
        return std::nullopt;
    }
}

QString potPictureName(int kind)
{
    if (kind < 1 || kind > 3)
        return {};
    return QStringLiteral("tubo%1").arg(kind);
}

WaterStatusText waterStatusAtStart(int swater)
{
    if (swater < -10)
        return {QStringLiteral("水分が非常に不足しています"),
                QStringLiteral("乾いて、苦しそうです")};
    if (swater < 0)
        return {QStringLiteral("水分が不足しています"), QStringLiteral("喉が渇いているようです")};
    if (swater < 30)
        return {QStringLiteral("元気です"), std::nullopt};
    return {QStringLiteral("水分が過剰です"), QStringLiteral("顔色が悪く、元気がありません")};
}

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
