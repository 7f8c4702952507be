#include "care/qtsoundplayer.h"
#include "game.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    QtSoundPlayer sounds;
    return runGame(app, sounds);
}
