#include "care/qtsoundplayer.h"
#include "commandline.h"
#include "game.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    if (argc > 1)
        return refuseOption(argv[1]);
    nameApplication();
    QtSoundPlayer sounds;
    return runGame(app, sounds);
}
