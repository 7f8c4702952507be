#pragma once

#include <functional>

// Ends the program at once: nothing else runs after it, no window handler, no
// save. Every way out of the game goes through here.
void endProgram();

// Runs just before the process exits (the start-up lock is released there).
void setBeforeEnd(std::function<void()> cleanup);

// Tests record the end instead of exiting.
void setEndProgramForTesting(std::function<void()> handler);
