#pragma once

class QApplication;
class SoundPlayer;
struct Seams;

// Sets the names the settings store is found by.
void nameApplication();

// The real clock, draws and end, and the game's files and plugins found from
// the executable's folder.
Seams realSeams();

// The whole run of the game after QApplication exists: the single-instance
// test, start-up, the event loop. Returns the exit code when it does not end
// the process itself.
int runGame(QApplication& app, Seams seams, SoundPlayer& sounds);
