#pragma once

#include <functional>

// Ends the program at once: nothing else runs after it, no window handler, no
// save. Every way out of the game goes through here. status is the exit code.
void endProgram(int status = 0);

// Runs just before the process exits, in the order added (the start-up lock
// is released there, the help viewer's working files removed).
void atProgramEnd(std::function<void()> cleanup);

// Tests record the end instead of exiting.
void setEndProgramForTesting(std::function<void()> handler);
