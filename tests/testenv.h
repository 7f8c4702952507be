#pragma once

// What every test program shares: its own settings and runtime folders, the
// stored keys read back as the next start would, and a stand-in for the
// outside world (clock, draws, end of the program, sounds).

#include "platform/sound.h"
#include "rules/draw.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <utility>

// Set before Qt first looks the folders up, so a test never sees the user's.
template <typename App, typename Test> int runIsolatedTest(int argc, char** argv)
{
    QTemporaryDir home;
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(home.filePath(QStringLiteral("config")));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("morvick"));
    QCoreApplication::setApplicationName(QStringLiteral("morvick"));
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// App: QGuiApplication for tests without widgets, QApplication for the rest.
#define MORVICK_TEST_MAIN(App, TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        return runIsolatedTest<App, TestClass>(argc, argv);                                        \
    }

// The built game's folder, with its sounds and help file.
inline const QString builtGameFolder = QStringLiteral(MORVICK_BIN_DIR);

/* replaces everything stored with these values */
inline void storeTexts(const QList<std::pair<QString, QString>>& values)
{
    QSettings settings;
    settings.clear();
    for (const auto& [key, value] : values)
        settings.setValue(QStringLiteral("setting/") + key, value);
    settings.sync();
}

/* the help viewer, a window of its own once help has been asked for; null before */
inline QWidget* helpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("helpwindow"))
            return window;
    return nullptr;
}

inline QStringList storedKeys()
{
    QSettings settings;
    settings.sync(); // what another process wrote meanwhile
    settings.beginGroup(QStringLiteral("setting"));
    QStringList keys = settings.childKeys();
    keys.sort();
    return keys;
}

inline QString storedText(const QString& key)
{
    QSettings settings;
    settings.sync();
    return settings.value(QStringLiteral("setting/") + key).toString();
}

// The outside world as a test sets it: 6 December 2026 (day 46362), noon,
// draws from a queue (0.0 when it runs dry), and ends that are only counted.
struct World {
    std::deque<double> draws;
    int drawsTaken = 0;
    QList<int> ends;
    QDate today{2026, 12, 6};
    int hour = 12;
    QString folder = builtGameFolder;
    QString plugins = builtGameFolder;
    Language language = Language::Japanese;

    Seams seams()
    {
        return {[this] { return today; },
                [this] { return hour; },
                [this] {
                    ++drawsTaken;
                    if (draws.empty())
                        return 0.0;
                    const double u = draws.front();
                    draws.pop_front();
                    return u;
                },
                [this](int status) { ends.append(status); },
                folder,
                plugins,
                language};
    }
};
constexpr double todayNumber = 46362;

/* the u that makes drawFrom(n) give result */
constexpr double drawFor(int result, int n)
{
    return (result - 0.5) / n;
}

class FakeSound : public SoundPlayer
{
public:
    void play(Sound sound) override { played.append(sound); }
    QList<Sound> played;
};
