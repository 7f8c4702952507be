#include "game.h"
#include "platform/gamefiles.h"
#include "platform/qtsoundplayer.h"
#include "rules/draw.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    const Seams seams = Seams::real(gameFilesFolder(QCoreApplication::applicationDirPath()));
    QtSoundPlayer sounds(seams.programFolder, [] { QApplication::beep(); });
    return runGame(app, seams, sounds);
}
