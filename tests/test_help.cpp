// The help viewer as a player meets it: beside the game, in the game's language, at its contents
// or its index, reachable with F1 from every window and free to read while the game waits.
#include "game.h"
#include "ui/translations.h"

#include <QtWidgets>

class TestHelp : public QObject
{
    Q_OBJECT

    /* presses key as the window system delivers it: never to a window held back by a modal one */
    static void press(QWidget* to, Qt::Key key) { QTest::keyClick(to->windowHandle(), key); }

    template <typename Part> static Part* help(const char* name)
    {
        return helpWindow() ? helpWindow()->findChild<Part*>(name) : nullptr;
    }

private slots:
    // The index opens under the arrow keys, the contents at the first topic, following the page.
    void theHelpOpensAtItsContentsOrItsIndex()
    {
        QApplication::setPalette(QPalette(Qt::black)); // a dark desktop: white ink on black
        Game game(plantWith(""));
        game.start();
        game.trigger("mhelp2");
        QTRY_VERIFY(help<QAbstractItemView>("index") &&
                    help<QAbstractItemView>("index")->model()->rowCount() > 0);
        auto* page = help<QTextBrowser>("helppage");
        QCOMPARE(help<QTabWidget>("helptabs")->currentWidget()->objectName(), "indextab");
        QCOMPARE(QApplication::focusWidget(), help<QLineEdit>("indexfilter"));
        QVERIFY(help<QLineEdit>("indexfilter")->geometry().bottom() < help<QWidget>("index")->y());
        press(helpWindow(), Qt::Key_Down), press(helpWindow(), Qt::Key_Down); // the second keyword
        QCOMPARE(help<QAbstractItemView>("index")->currentIndex().data().toString(), "END");
        press(helpWindow(), Qt::Key_Return);
        QTRY_COMPARE(page->source().fileName(), "death.html");
        QTRY_COMPARE(help<QTreeView>("contents")->currentIndex().data().toString(), "枯れる・腐る");
        press(helpWindow(), Qt::Key_F1); // the game's F1 reaches the help from any window
        QTRY_COMPARE(page->source().fileName(), "index.html");
        QCOMPARE(help<QTabWidget>("helptabs")->currentWidget()->objectName(), "contents");
        // Its own paper and ink, whatever the desktop's colours: nothing darker or lighter.
        const QImage shot = page->viewport()->grab().toImage();
        const auto* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
        const auto [darkest, lightest] =
            std::minmax_element(pixels, pixels + shot.width() * shot.height(),
                                [](QRgb some, QRgb other) { return qGray(some) < qGray(other); });
        QCOMPARE(QColor(*darkest).name() + ' ' + QColor(*lightest).name(), "#333333 #fbfaf4");
        QTest::keyClicks(help<QLineEdit>("indexfilter"), "END"); // letters go to the filter
        QCOMPARE(help<QLineEdit>("indexfilter")->text(), "END");
        game.trigger("mhelp2"); // the index afresh
        QCOMPARE(help<QLineEdit>("indexfilter")->text(), QString());
        QTest::keyClick(helpWindow()->windowHandle(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!helpWindow()->isVisible());
    }

    // F1 reaches the help from each window the game waits on; the help then takes keys.
    void f1OpensTheHelpFromEveryWindowOfTheGame_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        QTest::newRow("talking") << QString("siikubutton2") << QString("wordform");
        QTest::newRow("background colour") << QString("mcolor") << QString("colourdialog");
        QTest::newRow("the first setup") << QString() << QString("firstform");
    }
    void f1OpensTheHelpFromEveryWindowOfTheGame()
    {
        QFETCH(QString, opener);
        Game game(opener.isEmpty() ? Texts{} : plantWith(""));
        QStringList seen;
        const Answer f1 = [&](QWidget& modal) {
            seen << modal.objectName();
            press(&modal, Qt::Key_F1);
            QTRY_VERIFY(helpWindow() && QTest::qWaitForWindowExposed(helpWindow()));
            seen << "help";
            press(&game.main, Qt::Key_Space); // would water the plant, were the game not waiting
            press(helpWindow(), Qt::Key_Escape);
            if (QTest::qWaitFor([] { return !helpWindow()->isVisible(); }))
                seen << "closed";
            seen << (QApplication::activeModalWidget() == &modal ? "still waiting" : "not waiting");
        };
        game.start(opener.isEmpty() ? QList<Answer>{f1} : QList<Answer>{});
        if (!opener.isEmpty())
            answerModals([&] { game.trigger(opener); }, {f1});
        QFETCH(QString, window);
        QCOMPARE(seen, QStringList({window, "help", "closed", "still waiting"}));
        QCOMPARE(game.sound.played, QList<Sound>());
    }

    // The help in the game's language, else Japanese, none without a file under its exact name;
    // beside the game and on the screen, the page wider than the whole titles.
    void theHelpWindowOpensBesideTheGameInItsLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("files"); // copied from the built game's, named in lower case
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("side"); // where the game stands: room on one side or none
        const QStringList both{"morvickhelp.hlp", "morvickhelp_en.hlp"}, japanese{both[0]},
            capitals{"MORVICKHELP.HLP"};
        const QString ja = "モルビックのヘルプ"; // the Japanese help's title
        const QString left = "left", right = "right", neither = "mid-screen";
        QTest::newRow("Japanese") << Language::Japanese << both << ja << right;
        QTest::newRow("English") << Language::English << both << "MORVICK Help" << left;
        QTest::newRow("English, the Japanese help only, no room on either side")
            << Language::English << japanese << ja << neither;
        QTest::newRow("no file by the exact name") << Language::Japanese << capitals << "" << left;
    }
    void theHelpWindowOpensBesideTheGameInItsLanguage()
    {
        QFETCH(Language, language);
        QFETCH(QStringList, files);
        QTemporaryDir folder;
        for (const QString& file : files + QStringList{"libmorvick_helpviewer.so"})
            QVERIFY(QFile::copy(builtGameFolder + '/' + file.toLower(), folder.filePath(file)));
        QObject translations;
        speak(language, &translations);
        Game game(plantWith(""), folder.path(), language);
        game.start();
        QFETCH(QString, side);
        const QRect area = game.main.screen()->availableGeometry();
        if (side != "mid-screen")
            game.main.move(game.main.pos() +
                           (side == "left"
                                ? area.topLeft() - game.main.frameGeometry().topLeft()
                                : area.bottomRight() - game.main.frameGeometry().bottomRight()));
        const QRect beside = game.main.frameGeometry();
        game.trigger("mhepl1");
        QFETCH(QString, title);
        QCOMPARE(helpWindow() != nullptr, !title.isEmpty());
        if (!helpWindow())
            return;
        QTRY_COMPARE(helpWindow()->windowTitle(), title); // and the contents at that page
        QTRY_COMPARE(help<QTreeView>("contents")->currentIndex().data().toString(), title);
        const QRect frame = helpWindow()->frameGeometry();
        QVERIFY(side == "left"    ? frame.left() == beside.right() + 1
                : side == "right" ? frame.right() + 1 == beside.left()
                                  : frame.right() == area.right()); // over the game, to the right
        QVERIFY(area.contains(frame) && helpWindow()->height() == 520); // as tall as it likes
        QVERIFY(helpWindow()->windowIcon().cacheKey() == game.main.windowIcon().cacheKey() &&
                !game.main.windowIcon().isNull() && helpWindow()->font() == gothicFont(10, false));
        QVERIFY(help<QWidget>("helppage")->width() > help<QWidget>("helptabs")->width() &&
                help<QWidget>("helptabs")->parentWidget()->geometry() == helpWindow()->rect());
        auto* contents = help<QTreeView>("contents"); // every title whole, all topics unfolded
        QVERIFY(contents->isHeaderHidden() && contents->isExpanded(contents->model()->index(0, 0)));
        contents->expandAll();
        for (QModelIndex item = contents->model()->index(0, 0); item.isValid();
             item = contents->indexBelow(item)) {
            const QString topic = item.data().toString();
            QVERIFY2(contents->visualRect(item).left() +
                             contents->fontMetrics().horizontalAdvance(topic) + 4 <=
                         contents->viewport()->width(),
                     qPrintable(topic));
        }
    }
};

MORVICK_TEST_MAIN(QApplication, TestHelp)
#include "test_help.moc"
