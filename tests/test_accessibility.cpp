// Every window as a screen reader meets it, and the plant touched from the keyboard.
#include "testenv.h"
#include "ui/aboutform.h"
#include "ui/acceform.h"
#include "ui/bmpform.h"
#include "ui/firstform.h"
#include "ui/mainform.h"
#include "ui/overform.h"
#include "ui/tuboform.h"
#include "ui/wordform.h"

#include "rules/talk.h"

#include <QAccessible>
#include <QLabel>

namespace {
/* the names of the focusable controls under an accessible, in tree order; a
   tab list is left out, as Qt names it after its current tab, and so are the
   entries of lists and trees, which are contents rather than controls */
void collectNames(QAccessibleInterface* node, QStringList& names)
{
    const QList<QAccessible::Role> entries{QAccessible::ListItem, QAccessible::TreeItem,
                                           QAccessible::Cell, QAccessible::Row};
    for (int i = 0; node && i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || entries.contains(child->role()))
            continue;
        if (child->state().focusable && !child->state().invisible &&
            child->role() != QAccessible::PageTabList)
            names << child->text(QAccessible::Name);
        collectNames(child, names);
    }
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAnOwnName_data()
    {
        QTest::addColumn<int>("window");
        // clang-format off
        const char* rows[] = {"main", "setup", "talk", "accessories, female", "accessories, male", "pot", "picture", "rotted", "dried up", "About", "help"};
        // clang-format on
        for (int row = 0; row < int(std::size(rows)); ++row)
            QTest::newRow(rows[row]) << row;
    }
    void everyControlHasAnOwnName()
    {
        QFETCH(int, window);
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        auto* talk = new WordForm(&main);
        talk->intoword(talkSentences(main.plant(), [] { return 0.0; }), main.plant().sname);
        auto* accessories = new AcceForm(&main);
        if (window == 4)
            accessories->showPictures(accessoryWindowPictures(1));
        // clang-format off
        QWidget* const windows[] = {&main, new FirstForm(&main), talk, accessories, accessories, new TuboForm(&main), new BmpForm(&main),
            new OverForm(OverForm::Cause::Rotted, &main), new OverForm(OverForm::Cause::DriedUp, &main), new AboutForm(&main), nullptr};
        // clang-format on
        if (window == 10) // the help viewer comes from its plugin, and shows itself
            main.findChild<QAction*>("mhepl1")->trigger();
        QWidget* shown = window == 10 ? helpWindow() : windows[window];
        QVERIFY(shown);
        if (window != 10)
            shown->show();
        QTRY_VERIFY(shown->isVisible());
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(!root->text(QAccessible::Name).isEmpty());
        QStringList names;
        collectNames(root, names);
        QVERIFY(!names.isEmpty());
        QVERIFY2(!names.contains("") && !QStringList(names).removeDuplicates(),
                 qPrintable(names.join('|')));
    }

    void theKeyboardTouchesThePlantAsTheMouseDoes()
    {
        storeTexts({{"smode", "1"}, {"lastday", "46362"}, {"sei", "2"}, {"ai", "-5"}});
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        // The window opens with the focus on the first button, as it always has.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("siikubutton1"));
        QWidget* scene = main.findChild<QWidget*>("Picture1");
        const QImage unmarked = scene->grab().toImage();
        for (int tab = 0; tab < 4; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), scene);
        // The focus is shown as a frame, its right and bottom sides too.
        const QImage marked = scene->grab().toImage();
        const int right = scene->width() - 2, bottom = scene->height() - 2;
        QVERIFY(marked.copy(right, 4, 1, 9) != unmarked.copy(right, 4, 1, 9) &&
                marked.copy(4, bottom, 9, 1) != unmarked.copy(4, bottom, 9, 1));
        // The same draw gives the same remark by mouse, by Space and by Enter.
        auto* line = main.findChild<QLabel*>("smsgbox");
        for (const double u : {0.85, 0.95}) {
            world.draws = {u};
            QTest::mouseClick(main.findChild<QWidget*>("sshape1"), Qt::LeftButton);
            const QString byMouse = line->text();
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
                line->clear();
                world.draws = {u};
                QTest::keyClick(scene, key);
                QCOMPARE(line->text(), byMouse);
            }
        }
        QCOMPARE(world.drawsTaken, 6);
        QCOMPARE(int(main.plant().ai), 1);
    }
};

MORVICK_TEST_MAIN(QApplication, TestAccessibility)
#include "test_accessibility.moc"
