// The help viewer as a player meets it: beside the game, in the game's language,
// at its contents or its index, reachable with F1 from every window and free to
// read while the game waits on one of its own windows.
#include "game.h"
#include "ui/translations.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeView>

Q_DECLARE_METATYPE(Language)

namespace {
/* presses key as the window system delivers it: never to a window held back by a modal one */
void press(QWidget* window, Qt::Key key)
{
    QTest::keyClick(window->windowHandle(), key);
}

template <typename Part> Part* help(const char* name)
{
    return helpWindow() ? helpWindow()->findChild<Part*>(name) : nullptr;
}

/* the contents titles the viewer cuts short, all topics unfolded */
QStringList cutTitles(QTreeView& contents)
{
    contents.expandAll();
    QStringList cut;
    for (QModelIndex item = contents.model()->index(0, 0); item.isValid();
         item = contents.indexBelow(item)) {
        const QString title = item.data().toString();
        if (contents.visualRect(item).left() + contents.fontMetrics().horizontalAdvance(title) + 4 >
            contents.viewport()->width())
            cut << title;
    }
    return cut;
}
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    // A start maps none of Qt Help's libraries (nor its SQL driver's): the first help does.
    void theHelpIsLoadedWhenFirstAskedFor()
    {
        const auto mapped = [] {
            QFile maps("/proc/self/maps");
            return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
        };
        Game game(plantWith({}));
        game.start();
        QVERIFY(!mapped().contains("libQt6Help") && !mapped().contains("libQt6Sql"));
        game.press("mhepl1");
        QTRY_VERIFY(helpWindow() && helpWindow()->isVisible());
        QVERIFY(mapped().contains("libQt6Help") && mapped().contains("libQt6Sql"));
    }

    // F1 reaches the help from each window the game waits on; the help then takes
    // keys, while the window that opened it keeps the game waiting.
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
        Game game(opener.isEmpty() ? Texts{} : plantWith({}));
        QStringList seen;
        const Answer f1 = [&](QWidget& modal) {
            seen << modal.objectName();
            press(&modal, Qt::Key_F1);
            if (!QTest::qWaitFor([] { return helpWindow() && helpWindow()->isVisible(); }) ||
                !QTest::qWaitForWindowExposed(helpWindow()))
                return;
            seen << "help";
            press(&game.main, Qt::Key_Space); // would water the plant, were the game not waiting
            press(helpWindow(), Qt::Key_Escape);
            if (QTest::qWaitFor([] { return !helpWindow()->isVisible(); }))
                seen << "closed";
            seen << (QApplication::activeModalWidget() == &modal ? "still waiting" : "not waiting");
        };
        if (opener.isEmpty()) {
            game.start({f1});
        } else {
            game.start();
            game.press(opener, {f1});
        }
        QFETCH(QString, window);
        QCOMPARE(seen, QStringList({window, "help", "closed", "still waiting"}));
        QCOMPARE(game.sound.played, QList<Sound>());
    }

    // The contents open at the first topic, the index with an empty filter under
    // the arrow keys; the contents follow the page whichever way it was reached.
    void theHelpOpensAtItsContentsOrItsIndex()
    {
        Game game(plantWith({}));
        game.start();
        game.press("mhelp2");
        QTRY_VERIFY(help<QAbstractItemView>("index") &&
                    help<QAbstractItemView>("index")->model()->rowCount() > 0);
        auto* tabs = help<QTabWidget>("helptabs");
        auto* page = help<QTextBrowser>("helppage");
        auto* contents = help<QTreeView>("contents");
        QCOMPARE(tabs->currentWidget()->objectName(), "indextab");
        auto* filter = help<QLineEdit>("indexfilter");
        QCOMPARE(QApplication::focusWidget(), filter);
        QCOMPARE(filter->text(), "");
        QStringList keywords;
        for (int down = 0; down < 2; ++down)
            press(helpWindow(), Qt::Key_Down),
                keywords << help<QAbstractItemView>("index")->currentIndex().data().toString();
        QCOMPARE(keywords, QStringList({"BMP", "END"}));
        press(helpWindow(), Qt::Key_Return);
        QTRY_COMPARE(page->source().fileName(), "death.html");
        QTRY_COMPARE(contents->currentIndex().data().toString(), "枯れる・腐る");
        filter->setText("x");
        game.press("mhepl1");
        QTRY_COMPARE(page->source().fileName(), "index.html");
        QCOMPARE(tabs->currentWidget()->objectName(), "contents");
        QCOMPARE(contents->currentIndex().data().toString(), "モルビックのヘルプ");
        // Its own paper and ink, whatever the desktop's colours.
        const QImage shot = page->viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2).name(), "#fbfaf4");
        QVERIFY(shot.pixelColor(2, 2) != QApplication::palette().color(QPalette::Base));
        bool inked = false;
        for (int i = 0; i < shot.width() * shot.height() && !inked; ++i)
            inked = shot.pixelColor(i % shot.width(), i / shot.width()).name() == "#333333";
        QVERIFY(inked);
        press(helpWindow(), Qt::Key_Escape);
        QTRY_VERIFY(!helpWindow()->isVisible());
        game.press("mhepl1");
        QTRY_VERIFY(helpWindow()->isVisible());
        QTest::keyClick(helpWindow()->windowHandle(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!helpWindow()->isVisible());
    }

    // Beside the game and level with it where the screen allows, the page wider
    // than the contents, whose every title shows whole; in the game's language.
    void theHelpWindowOpensBesideTheGameInItsLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("Japanese") << Language::Japanese << "モルビックのヘルプ";
        QTest::newRow("English") << Language::English << "MORVICK Help";
    }
    void theHelpWindowOpensBesideTheGameInItsLanguage()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        Game game(plantWith({}), builtGameFolder, language);
        game.start();
        const QRect area = game.main.screen()->availableGeometry(); // room on the left only
        game.main.move(
            area.bottomRight() -
            QPoint(game.main.frameGeometry().width(), game.main.frameGeometry().height()) +
            QPoint(1, 1));
        game.press("mhepl1");
        QTRY_VERIFY(help<QTreeView>("contents") &&
                    help<QTreeView>("contents")->model()->rowCount() > 0);
        QTRY_VERIFY(!helpWindow()->windowTitle().isEmpty());
        QTEST(helpWindow()->windowTitle(), "title");
        const QRect frame = helpWindow()->frameGeometry(), beside = game.main.frameGeometry();
        QVERIFY(frame.left() == beside.right() + 1 || frame.right() + 1 == beside.left());
        QVERIFY(frame.top() == beside.top() ||
                frame.bottom() == area.bottom()); // level, unless off the screen
        QVERIFY(area.contains(frame));
        QVERIFY(help<QWidget>("helppage")->width() > help<QWidget>("helptabs")->width());
        QCOMPARE(helpWindow()->font().pointSizeF(), 10.0);
        QCOMPARE(cutTitles(*help<QTreeView>("contents")), QStringList());
    }

    // The help file counts only under its exact name.
    void withoutItsHelpFileTheGameOpensNoHelp()
    {
        QTemporaryDir folder;
        QVERIFY(
            QFile::copy(builtGameFolder + "/morvickhelp.hlp", folder.filePath("MORVICKHELP.HLP")));
        Game game(plantWith({}), folder.path());
        game.start();
        game.press("mhepl1");
        game.press("mhelp2");
        press(&game.main, Qt::Key_F1);
        QTest::qWait(100);
        QVERIFY(!helpWindow());
    }
};

MORVICK_TEST_MAIN(QApplication, TestHelp)
#include "test_help.moc"
