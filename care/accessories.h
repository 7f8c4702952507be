#pragma once

#include <QString>

// The four accessories a plant can wear, slot 1 to 4: crown, bow, brooch, necklace.
constexpr int accessorySlots = 4;

/* what the plant makes of wearing the accessory of slot 1..4 */
QString accessoryRemark(int slot);

/* what it makes of wearing all four at once */
QString allAccessoriesRemark();
