#include "touch.h"

#include <QCoreApplication>

QString touchRemark(int draw, int sei)
{
    if (draw == 10)
        //: The plant's answer to a touch
        return QCoreApplication::translate("Touch", "恥ずかしがっています");
    if (draw == 9 && sei == 1)
        //: A male plant's answer to a touch
        return QCoreApplication::translate("Touch", "照れてそっぽを向いています");
    if (draw == 9)
        //: A female plant's answer to a touch
        return QCoreApplication::translate("Touch", "潤んだ瞳で見つめています");
    if (draw == 8)
        //: The plant's answer to a touch, at any hour
        return QCoreApplication::translate("Touch", "眠っているようです");
    //: The plant's most common answer to a touch: its spines prick
    return QCoreApplication::translate("Touch", "チクチクします");
}

QString touch(PlantState& state, const Draw& draw)
{
    state.ai += 1;
    return touchRemark(drawFrom(draw, 10), state.sei);
}
