#pragma once

#include <QFont>

// The proportional gothic the game's texts are set in, with the free
// IPA font and other Japanese gothics standing in where it is missing.
inline QFont gothicFont(int pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                      QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("TakaoPGothic")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
