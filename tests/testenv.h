#pragma once

// What every test program shares: its own settings and runtime folders, and
// the stored keys read back as the next start would.
#include "rules/draw.h"

#include <QApplication>
#include <QtTest>

// Set before Qt looks them up: a test never sees the user's folders, nor speaks their language.
template <typename App, typename Test> int runIsolatedTest(int argc, char** argv)
{
    QTemporaryDir home;
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir(home.path()).mkpath(QStringLiteral("config/morvick"));
    QDir().mkdir(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(variable);
    qputenv("LANG", "C.UTF-8");
    App app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("morvick"));
    QCoreApplication::setApplicationName(QStringLiteral("morvick"));
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#define MORVICK_TEST_MAIN(App, TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        return runIsolatedTest<App, TestClass>(argc, argv);                                        \
    }

// with the game's sounds and help file
inline const QString builtGameFolder = QStringLiteral(MORVICK_BIN_DIR);

using Texts = QList<std::pair<QString, QString>>;

/* the pairs of "key=text key=text", in their order */
inline Texts textsOf(const QString& pairs)
{
    Texts texts;
    for (const QString& pair : pairs.split(' ', Qt::SkipEmptyParts))
        texts.append({pair.section('=', 0, 0), pair.section('=', 1)});
    return texts;
}

/* replaces everything stored with these values */
inline void storeTexts(const Texts& values)
{
    QSettings settings;
    settings.clear();
    for (const auto& [key, value] : values)
        settings.setValue(QStringLiteral("setting/") + key, value);
    settings.sync();
}

// Runs action, and answers each modal window that opens meanwhile with the next of answers (none
// left: it is only closed). A window the answer leaves open is closed, as by its close box.
using Answer = std::function<void(QWidget& window)>;
inline void answerModals(const std::function<void()>& action, const QList<Answer>& answers)
{
    int next = 0;
    QList<QWidget*> answering;
    // Qt never fires a timer again while its own slot runs, so a window that an
    // answer opens is watched for by a timer of that answer's own.
    std::vector<std::unique_ptr<QTimer>> polls;
    std::function<void()> watch = [&] {
        QTimer* poll = polls.emplace_back(std::make_unique<QTimer>()).get();
        QObject::connect(poll, &QTimer::timeout, [&] {
            QWidget* const modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || answering.contains(modal))
                return;
            answering << modal;
            const QPointer<QWidget> open(modal);
            watch();
            if (next < answers.size())
                answers[next++](*modal);
            if (open && open->isVisible())
                open->close();
            answering.removeAll(modal);
        });
        poll->start(0);
    };
    watch();
    action();
}

/* the help viewer's window; null before help is asked for */
inline QWidget* helpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("helpwindow"))
            return window;
    return nullptr;
}

/* every stored key=text, in the keys' order */
inline QStringList storedPairs()
{
    QSettings settings;
    settings.sync();
    settings.beginGroup(QStringLiteral("setting"));
    QStringList pairs;
    for (const QString& key : settings.childKeys())
        pairs << key + '=' + settings.value(key).toString();
    return pairs;
}

/* the u that makes drawFrom(n) give result */
inline constexpr auto drawFor = [](int result, int n) { return (result - 0.5) / n; };
