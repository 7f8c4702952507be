#include "commandline.h"

#include "platform/gamefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace {
void printHelp()
{
    // The folder is found the way the game finds it, so two installs are told apart.
    const QString files =
        QDir::toNativeSeparators(gameFilesFolder(QCoreApplication::applicationDirPath()));
    std::printf("Usage: morvick [--help | --version]\n"
                "\n"
                "Raise one potted cactus on your desktop. Without options the game starts;\n"
                "only one game runs at a time for each user.\n"
                "\n"
                "Options:\n"
                "  --help     show this text and exit\n"
                "  --version  show the version and exit\n"
                "\n"
                "Files:\n"
                "  $XDG_CONFIG_HOME/morvick/morvick.conf\n"
                "      the plant (~/.config/morvick/morvick.conf when XDG_CONFIG_HOME is unset)\n"
                "  morvick.lock beside it, else in $XDG_RUNTIME_DIR\n"
                "      held while a game runs; one that names no running game is taken over\n"
                "  morvick.conf.unreadable beside the store\n"
                "      a store the game could not read, kept aside\n"
                "Game files: %s\n",
                qPrintable(files));
}

// Whether arg, which starts with "--", is one of Qt's own options (Qt takes
// them with two dashes too); any other long option is refused before Qt would
// need a display to look at the rest.
bool isQtOption(const char* arg)
{
    static const QStringList qtOptions{QStringLiteral("platform"),
                                       QStringLiteral("platformpluginpath"),
                                       QStringLiteral("platformtheme"),
                                       QStringLiteral("plugin"),
                                       QStringLiteral("qwindowgeometry"),
                                       QStringLiteral("qwindowtitle"),
                                       QStringLiteral("qwindowicon"),
                                       QStringLiteral("reverse"),
                                       QStringLiteral("session"),
                                       QStringLiteral("display"),
                                       QStringLiteral("name"),
                                       QStringLiteral("title"),
                                       QStringLiteral("style"),
                                       QStringLiteral("stylesheet"),
                                       QStringLiteral("widgetcount"),
                                       QStringLiteral("geometry"),
                                       QStringLiteral("nograb"),
                                       QStringLiteral("dograb"),
                                       QStringLiteral("sync")};
    const QString name = QString::fromLocal8Bit(arg).section(QLatin1Char('='), 0, 0);
    return qtOptions.contains(name.mid(2));
}
} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0;
        if (help || std::strcmp(argv[i], "--version") == 0) {
            // Only to learn the game's folder; a QCoreApplication needs no display.
            QCoreApplication app(argc, argv);
            if (help)
                printHelp();
            else
                std::printf("morvick %s\n", MORVICK_VERSION);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (std::strncmp(argv[i], "--", 2) == 0 && !isQtOption(argv[i]))
            return refuseOption(argv[i]);
    }
    return std::nullopt;
}

int refuseOption(const char* arg)
{
    std::fprintf(stderr,
                 "morvick: unknown option '%s'\nTry 'morvick --help' for more information.\n", arg);
    return 2;
}
