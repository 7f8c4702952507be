#include "accessories.h"

#include <QCoreApplication>
#include <algorithm>

QString accessoryRemark(int slot)
{
    switch (slot) {
    case 1:
        //: What the plant makes of a crown put on it
        return QCoreApplication::translate("Accessories", "王冠が珍しいようです");
    case 2:
        //: What the plant makes of a bow put on it
        return QCoreApplication::translate("Accessories", "嬉しそうです");
    case 3:
        //: What the plant makes of a brooch (or, on a male plant, a badge) put on it
        return QCoreApplication::translate("Accessories", "照れているようです");
    case 4:
        //: What the plant makes of a necklace (or, on a male plant, a gold chain) put on it
        return QCoreApplication::translate("Accessories", "ちょっと自慢気にしています");
    }
    return {};
}

Slots wornSlots(const PlantState& state)
{
    Slots worn{};
    for (int slot = 1; slot <= accessorySlots; ++slot)
        worn[slot - 1] = state.sacce[slot] == 1;
    return worn;
}

AccessoryOutcome wearAccessories(PlantState& state, const Slots& ticked)
{
    state.ai += 1;
    AccessoryOutcome outcome;
    for (int slot = 1; slot <= accessorySlots; ++slot) {
        state.sacce[slot] = ticked[slot - 1] ? 1 : 0;
        if (ticked[slot - 1])
            outcome.message = accessoryRemark(slot);
    }
    if (std::all_of(ticked.begin(), ticked.end(), [](bool on) { return on; }))
        //: What the plant makes of wearing all four accessories at once
        outcome.message = QCoreApplication::translate("Accessories", "ちょっと重たそうです");
    return outcome;
}
