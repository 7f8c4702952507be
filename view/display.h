#pragma once

#include <QString>
#include <optional>

// What the plant scene shows for a given state; the main window applies it.

/* 1 up to 60 days, 2 up to 120, 3 after */
int growthStage(int days);

/* "morvick1", "morvick12", ... or empty for an unknown shape */
QString plantPictureName(int shape, int stage);

// Where the accessories sit on a plant of one shape, in twips.
struct AccessoryPlaces {
    int okanTop;
    int hanaLeft;
    int hanaTop;
    int ribonTop;
    int paleTop;
};
std::optional<AccessoryPlaces> accessoryPlaces(int shape);

/* "tubo1".."tubo3", or empty for an unknown pot */
QString potPictureName(int kind);

struct WaterStatusText {
    QString info;
    /* empty optional: the message line keeps what it shows */
    std::optional<QString> message;
};
WaterStatusText waterStatusAtStart(int swater);

/* N of the one-in-N chance to bloom; 0 means no draw at all */
int bloomOdds(int ai);
