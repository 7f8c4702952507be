#pragma once

#include <optional>

// The command line is answered before any window exists, so --help and
// --version work without a display and never take the lock. Returns the exit
// code when the command line was answered, nothing when the game should start.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// What is left once Qt has taken its own options is none of ours: exit code 2.
int refuseOption(const char* arg);
