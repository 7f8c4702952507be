#include "watering.h"

std::optional<WateringReaction> wateringReaction(int swater)
{
    if (swater < -10)
        return WateringReaction{+1, QStringLiteral("水分が非常に不足しています"),
                                QStringLiteral("乾いて、苦しそうです")};
    if (swater < 0)
        return WateringReaction{+1, QStringLiteral("水分が不足しています"),
                                QStringLiteral("喉が渇いているようです")};
    if (swater < 20)
        return WateringReaction{+1, QStringLiteral("元気です"),
                                QStringLiteral("水をかけてもらって気持ちよさそうです")};
    if (swater < 25)
        return WateringReaction{-1, QStringLiteral("水分が過剰です"),
                                QStringLiteral("顔色が悪く、元気がありません")};
    return std::nullopt;
}
