#include "touch.h"

QString touchRemark(int draw, int sei)
{
    if (draw == 10)
        return QStringLiteral("恥ずかしがっています");
    if (draw == 9)
        return sei == 1 ? QStringLiteral("照れてそっぽを向いています")
                        : QStringLiteral("潤んだ瞳で見つめています");
    if (draw == 8)
        return QStringLiteral("眠っているようです");
    return QStringLiteral("チクチクします");
}

QString touch(PlantState& state, const Draw& draw)
{
    state.ai += 1;
    return touchRemark(drawFrom(draw, 10), state.sei);
}
