#pragma once

class QApplication;
class SoundPlayer;

// Sets the names the settings store is found by.
void nameApplication();

// The whole run of the game after QApplication exists: the single-instance
// test, seeding, start-up, the event loop. Returns the exit code.
int runGame(QApplication& app, SoundPlayer& sounds);
