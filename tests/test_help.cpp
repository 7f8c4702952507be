// The help viewer as a player meets it: from any window, in the game's language,
// free to read while the game waits on one of its own windows.
#include "testenv.h"
#include "ui/mainform.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QTreeView>

Q_DECLARE_METATYPE(Language)

namespace {
// The game with a stored plant, shown, and its help file beside it.
struct ShownGame {
    World world;
    FakeSound sound;
    MainForm main{world.seams(), sound};

    explicit ShownGame(const QList<std::pair<QString, QString>>& plant = {{"smode", "1"},
                                                                          {"lastday", "46362"}})
    {
        storeTexts(plant);
        main.Form_Load();
        main.show();
    }
};

/* presses key in window as the window system would deliver it: not at all to a blocked window */
void press(QWidget* window, Qt::Key key)
{
    QTest::keyClick(window->windowHandle(), key);
}

/* the contents titles the viewer cuts short or leaves out of its pane, all topics unfolded */
QStringList cutTitles(QTreeView& contents)
{
    contents.expandAll();
    QStringList cut;
    const int paneRight = contents.viewport()->width();
    for (QModelIndex item = contents.model()->index(0, 0); item.isValid();
         item = contents.indexBelow(item)) {
        const QString title = item.data().toString();
        const int textRight = contents.visualRect(item).left() +
                              contents.fontMetrics().horizontalAdvance(title) +
                              contents.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) * 2;
        if (textRight > paneRight)
            cut << title;
    }
    return cut;
}
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    // F1 reaches the help from each window the game waits on; the help then takes
    // keys, and the window that opened it keeps the game waiting.
    void f1OpensTheHelpFromEveryWindowOfTheGame_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        // clang-format off
        QTest::newRow("talking") << "siikubutton2" << "wordform";
        QTest::newRow("accessories") << "siikubutton3" << "acceform";
        QTest::newRow("pot") << "mtubo" << "tuboform";
        QTest::newRow("background picture") << "mbmp" << "bmpform";
        QTest::newRow("background colour") << "mcolor" << "colourdialog";
        QTest::newRow("About") << "mabout" << "aboutform";
        QTest::newRow("a new plant") << "mnew" << "firstform";
        QTest::newRow("the first setup") << "" << "firstform";
        // clang-format on
    }
    void f1OpensTheHelpFromEveryWindowOfTheGame()
    {
        QFETCH(QString, opener);
        QFETCH(QString, window);
        storeTexts(opener.isEmpty()
                       ? QList<std::pair<QString, QString>>{}
                       : QList<std::pair<QString, QString>>{{"smode", "1"}, {"lastday", "46362"}});
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        if (!opener.isEmpty()) {
            main.Form_Load();
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
        }
        bool modalToTheGame = false, helpShown = false, helpTakesKeys = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = nullptr;
            if (QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()); })) {
                const QString name = modal->objectName().isEmpty()
                                         ? modal->metaObject()->className()
                                         : modal->objectName();
                modalToTheGame = name == window;
                press(modal, Qt::Key_F1);
                helpShown =
                    QTest::qWaitFor([] { return helpWindow() && helpWindow()->isVisible(); });
                // Esc closes the help; a window held back by the modal one would never see it.
                if (helpShown && QTest::qWaitForWindowExposed(helpWindow())) {
                    press(helpWindow(), Qt::Key_Escape);
                    helpTakesKeys = QTest::qWaitFor([] { return !helpWindow()->isVisible(); });
                }
                modalToTheGame = modalToTheGame && QApplication::activeModalWidget() == modal;
                modal->close();
            }
        });
        if (opener.isEmpty())
            main.Form_Load();
        else if (auto* button = main.centralWidget()->findChild<QAbstractButton*>(opener))
            button->click();
        else
            main.findChild<QAction*>(opener)->trigger();
        QVERIFY(modalToTheGame);
        QVERIFY(helpShown);
        QVERIFY(helpTakesKeys);
        QCOMPARE(sound.played, QList<Sound>());
    }

    // While the help is open beside a modal window, the main window still waits.
    void theGameWaitsOnItsModalWindowWhileTheHelpIsOpen()
    {
        ShownGame game;
        QVERIFY(QTest::qWaitForWindowActive(&game.main));
        bool helpShown = false, watered = true;
        QTimer::singleShot(0, [&] {
            QWidget* modal = nullptr;
            if (QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()); })) {
                press(modal, Qt::Key_F1);
                helpShown =
                    QTest::qWaitFor([] { return helpWindow() && helpWindow()->isVisible(); });
                // The watering can is the main window's first button: Space would press it.
                press(&game.main, Qt::Key_Space);
                QCoreApplication::processEvents();
                watered = !game.sound.played.isEmpty();
                modal->close();
            }
        });
        game.main.findChild<QAction*>("mtubo")->trigger();
        QVERIFY(helpShown);
        QVERIFY(!watered);
    }

    void everyContentsTitleShowsWholeAtTheOpeningWidth_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("Japanese") << Language::Japanese;
        QTest::newRow("English") << Language::English;
    }
    void everyContentsTitleShowsWholeAtTheOpeningWidth()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        World world;
        world.language = language;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.show();
        main.findChild<QAction*>("mhepl1")->trigger();
        QTRY_VERIFY(helpWindow() && helpWindow()->isVisible());
        auto* contents = helpWindow()->findChild<QTreeView*>("contents");
        QTRY_VERIFY(contents->model()->rowCount() > 0);
        const QStringList cut = cutTitles(*contents);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
        QCOMPARE(helpWindow()->windowTitle(),
                 language == Language::English ? "MORVICK Help" : "モルビックのヘルプ");
    }
};

MORVICK_TEST_MAIN(QApplication, TestHelp)
#include "test_help.moc"
