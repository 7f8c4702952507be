#include "water.h"

namespace {
const QString lacksBadly = QStringLiteral("水分が非常に不足しています");
const QString suffers = QStringLiteral("乾いて、苦しそうです");
const QString lacks = QStringLiteral("水分が不足しています");
const QString thirsty = QStringLiteral("喉が渇いているようです");
const QString well = QStringLiteral("元気です");
const QString tooMuch = QStringLiteral("水分が過剰です");
const QString pale = QStringLiteral("顔色が悪く、元気がありません");

constexpr int portion = 2;
constexpr int rotsAt = 25;
} // namespace

WaterStatus waterStatusAtStart(int swater)
{
    if (swater < -10)
        return {lacksBadly, suffers};
    if (swater < 0)
        return {lacks, thirsty};
    if (swater < 30)
        return {well, std::nullopt};
    return {tooMuch, pale};
}

WateringOutcome water(PlantState& state)
{
    state.swater += portion;
    const int level = state.swater;
    if (level >= rotsAt)
        return {};
    if (level >= 20) {
        state.ai -= 1;
        return {WaterStatus{tooMuch, pale}};
    }
    state.ai += 1;
    if (level < -10)
        return {WaterStatus{lacksBadly, suffers}};
    if (level < 0)
        return {WaterStatus{lacks, thirsty}};
    return {WaterStatus{well, QStringLiteral("水をかけてもらって気持ちよさそうです")}};
}
