#pragma once

#include "plantstate.h"

#include <QString>

// What the setup window asks for.
struct PlantChoice {
    QString name;
    int shape{};   /* 1 round, 2 tall */
    int pot{};     /* 1..3 */
    int sei{};     /* 1 male, 2 female */
    int seiword{}; /* 1 male speech, 2 female speech */
};

// Gives the state a newborn plant; affection and accessories are not its business.
void startNewPlant(PlantState& state, const PlantChoice& choice, double today);

// Before a new plant from the menu: no accessories, no background picture.
void clearForNewPlant(PlantState& state);
