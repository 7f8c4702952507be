#include "core/mainform.h"
#include "core/sound.h"
#include "fakesound.h"
#include "help/aboutform.h"
#include "help/helpfile.h"
#include "help/helpwindow.h"
#include "testenv.h"
#include "view/imagecontrol.h"

#include <QApplication>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <optional>
#include <sys/stat.h>

namespace
{
const QString helpName = QStringLiteral("morvickhelp.hlp");

QString builtHelpFile()
{
    return QStringLiteral(MORVICK_BIN_DIR) + '/' + helpName;
}

HelpWindow* viewerOf(const MainForm& main)
{
    return main.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

QUrl firstTopic(const QHelpEngine& engine)
{
    const QHelpContentModel* contents = engine.contentModel();
    const QHelpContentItem* root = contents->contentItemAt(contents->index(0, 0));
    return root ? root->url() : QUrl();
}
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT
    FakeSound sound;
    std::optional<QTemporaryDir> folder;

    void putHelpFileAs(const QString& name)
    {
        QVERIFY(QFile::copy(builtHelpFile(), folder->filePath(name)));
    }

  private slots:
    void init()
    {
        // A program folder of its own for every test, empty at first.
        folder.emplace();
        setProgramDirectoryForTesting(folder->path());
    }

    void theBuiltHelpFileHasContentsKeywordsAndWholeLinks()
    {
        QTemporaryDir collection;
        QHelpEngine engine(collection.filePath(QStringLiteral("check.qhc")));
        engine.setReadOnly(false);
        QVERIFY(engine.setupData());
        QVERIFY2(engine.registerDocumentation(builtHelpFile()), qPrintable(engine.error()));
        QTRY_VERIFY(firstTopic(engine).isValid());
        QTRY_VERIFY(engine.indexModel()->rowCount() > 50);
        const QString space = QHelpEngineCore::namespaceName(builtHelpFile());
        const QList<QUrl> pages = engine.files(space, QString(), QStringLiteral("html"));
        QVERIFY(pages.size() >= 10);
        static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
        for (const QUrl& page : pages)
            for (const auto& link : href.globalMatch(QString::fromUtf8(engine.fileData(page))))
                QVERIFY2(!engine.fileData(page.resolved(QUrl(link.captured(1)))).isEmpty(),
                         qPrintable(page.toString() + " -> " + link.captured(1)));
        for (const QString& keyword : engine.indexModel()->stringList()) {
            const QList<QHelpLink> targets = engine.documentsForKeyword(keyword);
            QVERIFY2(!targets.isEmpty() && !engine.fileData(targets.first().url).isEmpty(),
                     qPrintable(keyword));
        }
    }

    void theHelpFileCountsOnlyUnderItsExactNameAsAnOrdinaryFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("file") << "file" << helpName << true;
        QTest::newRow("link to a file") << "link" << helpName << true;
        QTest::newRow("nothing") << "none" << helpName << false;
        QTest::newRow("capitals") << "file" << helpName.toUpper() << false;
        QTest::newRow("one capital") << "file"
                                     << "Morvickhelp.hlp" << false;
        QTest::newRow("directory") << "directory" << helpName << false;
        QTest::newRow("FIFO") << "fifo" << helpName << false;
        QTest::newRow("dangling link") << "dangling" << helpName << false;
    }
    void theHelpFileCountsOnlyUnderItsExactNameAsAnOrdinaryFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(bool, found);
        const QString path = folder->filePath(name);
        if (kind == "file")
            putHelpFileAs(name);
        else if (kind == "link")
            QVERIFY(QFile::link(builtHelpFile(), path));
        else if (kind == "directory")
            QVERIFY(QDir(folder->path()).mkdir(name));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "dangling")
            QVERIFY(QFile::link(folder->filePath(QStringLiteral("gone")), path));
        QCOMPARE(helpFileIn(folder->path()), found ? path : QString());
    }

    void withoutTheHelpFileTheEntriesDoNothingUntilItComes_data()
    {
        QTest::addColumn<QString>("present");
        QTest::newRow("missing") << "";
        QTest::newRow("named in capitals") << helpName.toUpper();
    }
    void withoutTheHelpFileTheEntriesDoNothingUntilItComes()
    {
        QFETCH(QString, present);
        if (!present.isEmpty())
            putHelpFileAs(present);
        MainForm main(sound);
        main.mhepl1->trigger();
        main.mhelp2->trigger();
        QVERIFY(!viewerOf(main));
        for (const QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));

        putHelpFileAs(helpName);
        main.mhepl1->trigger();
        QVERIFY(viewerOf(main));
    }

    void f1OpensTheContentsAtTheFirstTopic()
    {
        putHelpFileAs(helpName);
        MainForm main(sound);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_F1);
        HelpWindow* viewer = viewerOf(main);
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->tabs->currentWidget(), viewer->contentsTab);
        QTRY_VERIFY(firstTopic(*viewer->engine).isValid());
        QTRY_COMPARE(viewer->page->source(), firstTopic(*viewer->engine));
        QVERIFY(!viewer->page->toPlainText().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void keywordSearchOpensTheSameViewerAtTheIndexWithAnEmptyFilter()
    {
        putHelpFileAs(helpName);
        MainForm main(sound);
        main.mhepl1->trigger();
        HelpWindow* viewer = viewerOf(main);
        QVERIFY(viewer);
        viewer->indexFilter->setText(QStringLiteral("x"));
        main.mhelp2->trigger();
        QCOMPARE(main.findChildren<HelpWindow*>(), QList<HelpWindow*>{viewer});
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->tabs->currentWidget(), viewer->indexTab);
        QVERIFY(viewer->indexFilter->text().isEmpty());
        QTRY_VERIFY(viewer->engine->indexModel()->rowCount() > 50);
    }

    void theIndexFilterMatchesPartOfAKeyword()
    {
        putHelpFileAs(helpName);
        MainForm main(sound);
        main.mhelp2->trigger();
        HelpWindow* viewer = viewerOf(main);
        QVERIFY(viewer);
        QHelpIndexModel* index = viewer->engine->indexModel();
        QTRY_VERIFY(index->rowCount() > 50);
        const QStringList all = index->stringList();
        const auto longest = std::max_element(all.begin(), all.end(),
                                              [](auto& a, auto& b) { return a.size() < b.size(); });
        const QString keyword = *longest, middle = keyword.mid(1, keyword.size() - 2);

        viewer->indexFilter->setText(middle);
        QVERIFY(index->stringList().contains(keyword));
        QVERIFY(index->rowCount() < all.size());
        for (const QString& shown : index->stringList())
            QVERIFY2(shown.contains(middle, Qt::CaseInsensitive), qPrintable(shown));
        viewer->engine->indexWidget()->setCurrentIndex(
            index->index(index->stringList().indexOf(keyword)));
        QTest::keyClick(viewer->indexFilter, Qt::Key_Return);
        QTRY_COMPARE(viewer->page->source(), viewer->engine->documentsForKeyword(keyword)[0].url);
    }

    void theAboutWindowIsLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("Image1(0)") << "Image1(0)" << QRect(8, 8, 32, 32) << "";
        QTest::newRow("Image1(1)") << "Image1(1)" << QRect(160, 8, 32, 32) << "";
        QTest::newRow("Label1") << "Label1" << QRect(48, 8, 105, 25) << "MORVICK";
        QTest::newRow("Label3") << "Label3" << QRect(80, 40, 59, 16) << "Ver. 1.41";
        QTest::newRow("Command1") << "Command1" << QRect(56, 64, 89, 17) << "OK";
    }
    void theAboutWindowIsLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        AboutForm form;
        QCOMPARE(form.size(), QSize(201, 89));
        QVERIFY(form.windowTitle().isEmpty());
        QVERIFY(!form.windowIcon().isNull());
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->pos(), rect.topLeft());
        QCOMPARE(control->property("text").toString(), text);
        if (auto* image = qobject_cast<ImageControl*>(control))
            QCOMPARE(image->picture().name, QStringLiteral("icon"));
        // A label may grow, but only as far as its whole text needs.
        QCOMPARE(control->size(), qobject_cast<QLabel*>(control)
                                      ? rect.size().expandedTo(control->sizeHint())
                                      : rect.size());
        if (auto* label = qobject_cast<QLabel*>(control))
            QVERIFY(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(text));
    }

    void aboutShowsTheSameWindowEachTimeAndEnterPressesOk()
    {
        MainForm main(sound);
        QList<QPointer<AboutForm>> shown;
        QStringList texts;
        int hiddenByEnter = 0;
        for (int round = 0; round < 3; ++round) {
            QTimer::singleShot(0, [&] {
                auto* form = qobject_cast<AboutForm*>(QApplication::activeModalWidget());
                shown.append(form);
                if (!form)
                    return;
                texts.append(form->Label1->text() + form->Label3->text());
                // Enter the first time, the close box after, which must not lose the window.
                if (round == 1) {
                    form->close();
                } else {
                    QTest::keyClick(form, Qt::Key_Return);
                    hiddenByEnter += form->isHidden();
                }
                if (form->isVisible())
                    form->close();
            });
            main.mabout->trigger();
            QVERIFY(main.aboutform && main.aboutform->isHidden());
        }
        QCOMPARE(hiddenByEnter, 2);
        QCOMPARE(shown, QList<QPointer<AboutForm>>(3, main.aboutform));
        QCOMPARE(texts, QStringList(3, QStringLiteral("MORVICKVer. 1.41")));
    }

    void theViewerOpensBesideTheGameOnTheScreenAndClosesFromTheKeyboard_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
    void theViewerOpensBesideTheGameOnTheScreenAndClosesFromTheKeyboard()
    {
        QFETCH(QKeySequence, keys);
        putHelpFileAs(helpName);
        MainForm main(sound);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect area = main.screen()->availableGeometry();
        main.move(area.right() - 300, area.top() + 40);
        QTRY_COMPARE(main.frameGeometry().left(), area.right() - 300);
        main.mhepl1->trigger();
        HelpWindow* viewer = viewerOf(main);
        QVERIFY(viewer && QTest::qWaitForWindowExposed(viewer));
        QVERIFY(area.contains(viewer->frameGeometry()));
        QVERIFY(!viewer->frameGeometry().intersects(main.frameGeometry()));
        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keySequence(viewer, keys);
        QVERIFY(!viewer->isVisible());
    }

    void textsKeepTheirColoursOnADarkDesktop()
    {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            dark.setColor(group, QPalette::Window, QColor(30, 30, 30));
            dark.setColor(group, QPalette::WindowText, QColor(230, 230, 230));
            dark.setColor(group, QPalette::Base, QColor(20, 20, 20));
            dark.setColor(group, QPalette::Text, QColor(240, 240, 240));
        }
        QApplication::setPalette(dark);
        AboutForm about;
        const QPalette version = about.Label3->palette();
        QCOMPARE(version.color(QPalette::WindowText), QColor(Qt::black));

        putHelpFileAs(helpName);
        MainForm main(sound);
        main.mhepl1->trigger();
        const QPalette page = viewerOf(main)->page->palette();
        QApplication::setPalette(before);
        // The list bullets are drawn in the page's text colour, on its paper.
        QVERIFY(page.color(QPalette::Base).lightness() > 200);
        QVERIFY(page.color(QPalette::Text).lightness() < 100);
    }

    void theHelpSaysWhatAMalePlantsAccessoryWindowShows()
    {
        QTemporaryDir collection;
        QHelpEngineCore engine(collection.filePath(QStringLiteral("check.qhc")));
        engine.setReadOnly(false);
        QVERIFY(engine.setupData());
        QVERIFY(engine.registerDocumentation(builtHelpFile()));
        const QString space = QHelpEngineCore::namespaceName(builtHelpFile());
        const QString page = QString::fromUtf8(engine.fileData(QUrl(
            QStringLiteral("qthelp://%1/doc/accessories.html").arg(space))));
        // The window's list names the pictures of both sexes, not the female ones alone.
        const QString list = page.section(QStringLiteral("<ul>"), 1).section(QStringLiteral("</ul>"), 0, 0);
        QVERIFY2(list.contains(QStringLiteral("紋章のバッジ")) && list.contains(QStringLiteral("金の鎖")),
                 qPrintable(list));
    }
};

MORVICK_WIDGET_TEST_MAIN(TestHelp)
#include "test_help.moc"
