#pragma once

#include "plantstate.h"

#include <QString>
#include <optional>

/* what the plant makes of wearing the accessory of slot 1..4 */
QString accessoryRemark(int slot);

struct AccessoryOutcome {
    /* the remark of the highest slot put on, or of all four; none when nothing is worn */
    std::optional<QString> message;
};

// Confirms the accessory window: one more point of affection, the ticked slots
// worn and the others taken off.
AccessoryOutcome wearAccessories(PlantState& state, const Slots& ticked);
