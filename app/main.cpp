#include "commandline.h"
#include "display.h"
#include "game.h"
#include "platform/qtsoundplayer.h"
#include "rules/draw.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    const std::unique_ptr<QApplication> app = openDisplay(argc, argv);
    if (argc > 1)
        return refuseOption(argv[1]);
    nameApplication();
    // Docks and task bars find the game's desktop entry, name and icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.morvick.Morvick"));
    const Seams seams = realSeams();
    QtSoundPlayer sounds(seams.programFolder, seams.pluginFolder, [] { QApplication::beep(); });
    return runGame(*app, seams, sounds);
}
