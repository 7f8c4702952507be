#include "water.h"

#include <QCoreApplication>

namespace {
constexpr int portion = 2;
constexpr int rotsAt = 25;

WaterStatus lacksBadly()
{
    //: The water status under the plant's age when it is very dry
    return {QCoreApplication::translate("Water", "水分が非常に不足しています"),
            //: What the plant is like when it is very dry
            QCoreApplication::translate("Water", "乾いて、苦しそうです")};
}

WaterStatus lacks()
{
    //: The water status under the plant's age when it is a little dry
    return {QCoreApplication::translate("Water", "水分が不足しています"),
            //: What the plant is like when it is a little dry
            QCoreApplication::translate("Water", "喉が渇いているようです")};
}

QString well()
{
    //: The water status under the plant's age when the water is right
    return QCoreApplication::translate("Water", "元気です");
}

WaterStatus tooMuch()
{
    //: The water status under the plant's age when it has had too much water
    return {QCoreApplication::translate("Water", "水分が過剰です"),
            //: What the plant is like when it has had too much water
            QCoreApplication::translate("Water", "顔色が悪く、元気がありません")};
}
} // namespace

WaterStatus waterStatusAtStart(int swater)
{
    if (swater < -10)
        return lacksBadly();
    if (swater < 0)
        return lacks();
    if (swater < 30)
        return {well(), std::nullopt};
    return tooMuch();
}

WateringOutcome water(PlantState& state)
{
    state.swater += portion;
    const int level = state.swater;
    if (level >= rotsAt)
        return {};
    if (level >= 20) {
        state.ai -= 1;
        return {tooMuch()};
    }
    state.ai += 1;
    if (level < -10)
        return {lacksBadly()};
    if (level < 0)
        return {lacks()};
    //: The plant's answer to a watering that leaves it well
    return {WaterStatus{
        well(), QCoreApplication::translate("Water", "水をかけてもらって気持ちよさそうです")}};
}
