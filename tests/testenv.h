#pragma once

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

// Every test process gets its own settings and runtime folders, never the
// user's, set before Qt first looks them up.
template <typename App, typename Test> int runIsolatedTest(int argc, char** argv)
{
    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/config");
    const QString runtime = home.path() + QStringLiteral("/runtime");
    QDir().mkpath(config);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("morvick"));
    QCoreApplication::setApplicationName(QStringLiteral("morvick"));
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#define MORVICK_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) { return runIsolatedTest<QGuiApplication, TestClass>(argc, argv); }

#define MORVICK_WIDGET_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char** argv) { return runIsolatedTest<QApplication, TestClass>(argc, argv); }
