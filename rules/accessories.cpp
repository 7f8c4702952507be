#include "accessories.h"

#include <algorithm>

QString accessoryRemark(int slot)
{
    switch (slot) {
    case 1:
        return QStringLiteral("王冠が珍しいようです");
    case 2:
        return QStringLiteral("嬉しそうです");
    case 3:
        return QStringLiteral("照れているようです");
    case 4:
        return QStringLiteral("ちょっと自慢気にしています");
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
        outcome.message = QStringLiteral("ちょっと重たそうです");
    return outcome;
}
