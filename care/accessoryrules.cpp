#include "accessories.h"

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

QString allAccessoriesRemark()
{
    return QStringLiteral("ちょっと重たそうです");
}
