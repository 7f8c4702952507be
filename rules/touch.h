#pragma once

#include "draw.h"
#include "plantstate.h"

#include <QString>

/* the remark for a touch; 1 <= draw <= 10 */
QString touchRemark(int draw, int sei);

// A touch of the plant: one more point of affection and one draw for the remark.
QString touch(PlantState& state, const Draw& draw);
