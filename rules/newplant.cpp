#include "newplant.h"

void startNewPlant(PlantState& state, const PlantChoice& choice, double today)
{
    state.sname = choice.name;
    state.sshape1 = choice.shape;
    state.sshape2 = choice.pot;
    state.sei = choice.sei;
    state.seiword = choice.seiword;
    state.days = 1;
    state.swater = 3;
    state.smode = 1;
    state.lastday = today;
}

void clearForNewPlant(PlantState& state)
{
    state.bmpdir.clear();
    for (int slot = 1; slot <= accessorySlots; ++slot)
        state.sacce[slot] = 0;
}
