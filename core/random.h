#pragma once

#include <functional>

// The game's one random generator. Every draw takes u in [0, 1).
void seedRandom();
double drawUnit();
/* floor(u * n) + 1: 1 <= result <= n, all equally likely */
int drawFrom(int n);

// Tests replace the generator with their own source of u; an empty function restores it.
void setDrawSourceForTesting(std::function<double()> source);
