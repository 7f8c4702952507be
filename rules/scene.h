#pragma once

#include "draw.h"
#include "plantstate.h"
#include "water.h"

#include <QColor>
#include <QString>
#include <optional>

// What the plant scene shows for a state. The pictures are named as the
// game's picture files are ("morvick12", "tubo3", "hana2", ...).

/* 1 up to 60 days, 2 up to 120, 3 after */
int growthStage(int days);

// Where the accessories sit on a plant of one shape, in twips within the scene.
struct AccessoryPlaces {
    int okanTop;
    int hanaLeft;
    int hanaTop;
    int ribonTop;
    int paleTop;
};

struct PlantShape {
    QString picture;
    AccessoryPlaces places;
};

/* the plant's picture by shape and age; empty for a shape the game does not know */
std::optional<PlantShape> plantShape(int sshape1, int days);

/* "tubo1".."tubo3", or empty for an unknown pot */
QString potPicture(int sshape2);

// A male plant wears the emblem badge and the gold chain and blooms cyan; a
// female one the blue gem and the pearl necklace, and blooms pink.
struct WearablePictures {
    QString brooch;
    QString necklace;
    QString flower;
};

// The accessory window shows these pictures in places 3 and 4; the names say
// which accessory each stands for, as a screen reader reads them.
struct AccessoryWindowPictures {
    QString brooch;
    QString necklace;
    QString broochName;
    QString necklaceName;
};
AccessoryWindowPictures accessoryWindowPictures(int sei);

struct ScenePlan {
    /* empty: the plant's picture and the accessories' places stay as they are */
    std::optional<PlantShape> shape;
    /* empty: the pot stays as it is */
    QString pot;
    /* slots to show; a slot not worn is left as it is */
    Slots worn{};
    QString name;
    QString age;
    WaterStatus water;
    QColor backColour;
    WearablePictures wearables;
    bool blooms = false;
};

// The whole scene drawn afresh; one draw for the bloom unless affection is negative.
ScenePlan planScene(const PlantState& state, const Draw& draw);
