// The windows as the user meets them: each laid out as designed, each handler
// driven through the real widgets, with the clock, draws and sounds stood in.
#include "rules/talk.h"
#include "testenv.h"
#include "ui/aboutform.h"
#include "ui/acceform.h"
#include "ui/bmpform.h"
#include "ui/firstform.h"
#include "ui/mainform.h"
#include "ui/overform.h"
#include "ui/plantscene.h"
#include "ui/tuboform.h"
#include "ui/wordform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

namespace {
/* what a control shows: a caption or text (then |its tip, if any), a colour or its picture's name
 */
QString captionOf(QWidget* control)
{
    if (auto* image = qobject_cast<const ImageControl*>(control))
        return image->picture().name;
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (qobject_cast<const PlantScene*>(control)) // its colour, or the picture over it
        return control->grab().toImage().pixelColor(0, 0).name();
    if (auto* dialog = control->findChild<const QColorDialog*>())
        return dialog->currentColor().name();
    const QString tip = control->toolTip();
    return control->property("text").toString() + (tip.isEmpty() ? "" : '|' + tip);
}

/* "bold12", "plain9": the weight and point size of a control's font */
QString fontOf(const QWidget* control)
{
    const QFont font = control->font();
    return (font.bold() ? "bold" : "plain") + QString::number(font.pointSizeF());
}

// The game with its stand-ins, played by a line of steps:
//  u:0.5 hour:5 help:FILE dark cd   at the start: a draw queued, the hour, the help file copied as
//    FILE, a dark palette, the picture folder made the current folder
//  NAME   presses a main-window button or menu item; [steps] answer the windows as they open, and
//    one left open is closed by its close box; show close broken: shows the game in the screen's
//    bottom-right corner (middle: in its middle), closes it, makes the store unwritable
//  click:NAME dclick:NAME move:NAME key:KEYS @NAME NAME:TEXT   mouse, keys, focus, typing
//  NAME=VALUE NAME~VALUE   checks what a control shows (~: contains); NAME@ its place, NAME# its
//    ink, NAME! its font, NAME? its state (on: ticked, off: disabled); an image not shown is "-".
//    Also ai, draws, kept (windows kept), viewer (help tab or "-"), keyword (the index's current
//    one), menus (their font), over ("centred": the window over the game's middle), screen ("in":
//    shown wholly on screen), and, checked at the end unless named: opened (windows, "(open)" if
//    left open), store, effects.
struct Game {
    World world;
    FakeSound sound;
    MainForm main;
    QStringList opened, checked;

    // The folder goes in before the window takes its copy of the seams.
    explicit Game(const QString& folder) : main((world.folder = folder, world.seams()), sound) {}

    QString value(QWidget& root, QString name)
    {
        checked << name;
        QWidget* viewer = helpWindow();
        const QRect area = root.screen()->availableGeometry();
        const QMap<QString, std::function<QString()>> facts{
            {"ai", [&] { return QString::number(main.plant().ai); }},
            {"draws", [&] { return QString::number(world.drawsTaken); }},
            {"opened", [&] { return opened.join(','); }},
            {"store",
             [&] {
                 QStringList pairs;
                 for (const QString& key : storedKeys())
                     pairs << key + '=' + storedText(key);
                 return pairs.join(',');
             }},
            {"effects",
             [&] {
                 QStringList effects;
                 for (const Sound played : sound.played)
                     effects << QStringList{"water", "bell", "pot"}[int(played)];
                 for (const int status : world.ends)
                     effects << QString("end%1").arg(status);
                 return effects.join(',');
             }},
            {"kept", [&] { return QString::number(main.findChildren<QDialog*>().size()); }},
            {"menus", [&] { return fontOf(main.menuBar()); }},
            {"keyword",
             [&] {
                 const auto* index =
                     viewer ? viewer->findChild<QAbstractItemView*>("index") : nullptr;
                 return index ? index->currentIndex().data().toString() : QString("-");
             }},
            {"over",
             [&] {
                 const QPoint off = root.frameGeometry().center() - main.frameGeometry().center();
                 return QString(off.manhattanLength() <= 2 ? "centred" : "off");
             }},
            // The tab shown, and whether the viewer lies beside the game, on screen.
            {"viewer",
             [&] {
                 if (!viewer || !viewer->isVisible())
                     return QString("-");
                 // Qt Help reads the index on a thread of its own; steps after this use it.
                 const auto* index = viewer->findChild<QAbstractItemView*>("index");
                 if (index->isVisible() &&
                     !QTest::qWaitFor([index] { return index->model()->rowCount() > 0; }))
                     return QString("index unread");
                 const QRect frame = viewer->frameGeometry();
                 const QWidget* tabs = viewer->findChild<QTabWidget*>("helptabs");
                 // The page takes most of the width, the contents and index the rest.
                 const QString tab =
                     static_cast<const QTabWidget*>(tabs)->currentWidget()->objectName() +
                     (viewer->findChild<QWidget*>("helppage")->width() > tabs->width() &&
                              viewer->height() >= 300
                          ? ""
                          : " cramped");
                 const QRect game = main.frameGeometry();
                 // Level with the game, unless that would take it off the bottom.
                 const bool beside =
                     (frame.left() == game.right() + 1 || frame.right() + 1 == game.left()) &&
                     (frame.top() == game.top() || frame.bottom() == area.bottom());
                 return area.contains(frame) && beside ? tab : tab + " astray";
             }},
            {"screen", [&] {
                 return QString(root.isVisible() && area.contains(root.frameGeometry()) ? "in"
                                                                                        : "out");
             }}};
        if (facts.contains(name))
            return facts[name]();
        const QChar mark = name.isEmpty() ? QChar() : name.back();
        if (QString("@#?!").contains(mark))
            name.chop(1);
        QWidget* control = name.isEmpty() ? &root : root.findChild<QWidget*>(name);
        if (!control && viewer)
            control = name == "helpwindow" ? viewer : viewer->findChild<QWidget*>(name);
        auto* button = qobject_cast<const QAbstractButton*>(control);
        if (!control)
            return "missing";
        if (mark == '@')
            return QString("%1,%2").arg(control->x()).arg(control->y());
        if (mark == '#')
            return control->palette().color(QPalette::WindowText).name();
        if (mark == '!')
            return fontOf(control);
        if (mark == '?')
            return QString(control->isEnabled() ? "" : "off") +
                   (button && button->isChecked() ? "on" : "");
        if (qobject_cast<const ImageControl*>(control) && control->isHidden())
            return "-";
        return captionOf(control);
    }

    void act(QWidget& root, const QString& step)
    {
        const qsizetype at = step.indexOf(QRegularExpression("[:=~]"));
        const QChar kind = at < 0 ? QChar() : step[at];
        const QString name = step.left(at), text = step.mid(at + 1);
        const bool onMain = &root == &main;
        // The mouse actions by their place in QTest::MouseAction.
        const int mouse = QStringList{"press", "release", "click", "dclick", "move"}.indexOf(name);
        if (kind == '=' || kind == '~') {
            const QString shown = value(root, name);
            QVERIFY2(kind == '=' ? shown == text : shown.contains(text),
                     qPrintable(step + " but shows " + shown));
        } else if (name == "key") {
            QCoreApplication::processEvents(); // lets a window just opened become active
            QWidget* window =
                onMain && QApplication::activeWindow() ? QApplication::activeWindow() : &root;
            QTest::keySequence(window->focusWidget() ? window->focusWidget() : window,
                               QKeySequence(text));
        } else if (mouse >= 0) {
            QWidget* target = main.findChild<QWidget*>(text);
            QTest::mouseEvent(QTest::MouseAction(mouse), main.windowHandle(), Qt::LeftButton, {},
                              target->mapTo(&main, QPoint(2, 2)));
        } else if (kind == ':') {
            QLineEdit* field = nullptr; // the help viewer's comes a turn of the event loop later
            QTRY_VERIFY((field = root.findChild<QLineEdit*>(name)) ||
                        (helpWindow() && (field = helpWindow()->findChild<QLineEdit*>(name))));
            field->setText(text);
        } else if (step.startsWith('@')) {
            root.findChild<QWidget*>(step.mid(1))->setFocus();
        } else if (step.startsWith('#')) {
            root.findChild<QColorDialog*>()->setCurrentColor(QColor(step));
        } else if (onMain && step == "show") {
            main.show();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            const QSize frame = main.frameGeometry().size() - QSize(1, 1);
            main.move(main.screen()->availableGeometry().bottomRight() -
                      QPoint(frame.width(), frame.height()));
        } else if (onMain && step == "middle") {
            main.show();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            main.move(main.screen()->availableGeometry().center() - main.rect().center());
        } else if (onMain && step == "close") {
            main.close();
        } else if (onMain && step == "broken") {
            QFile::remove(QSettings().fileName());
            QVERIFY(QDir().mkpath(QSettings().fileName()));
        } else if (auto* button =
                       (onMain ? main.centralWidget() : &root)->findChild<QAbstractButton*>(step)) {
            button->click();
        } else if (auto* item = main.findChild<QAction*>(step); onMain && item) {
            item->trigger();
        } else {
            QFAIL(qPrintable("no control " + step));
        }
    }

    // Runs action and answers each modal window it opens with the next of scripts; never
    // leaves a timer behind for a later test.
    void answering(const std::function<void()>& action, const QStringList& scripts)
    {
        QList<QDialog*> answering;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || answering.contains(dialog))
                return;
            answering.append(dialog);
            const QString script = scripts.value(opened.size());
            opened << (dialog->objectName().isEmpty() ? dialog->metaObject()->className()
                                                      : dialog->objectName());
            const QPointer<QDialog> open(dialog);
            for (const QString& step : script.split(' ', Qt::SkipEmptyParts))
                if (open)
                    act(*dialog, step);
            if (open && open->isVisible()) {
                opened.last() += "(open)";
                open->close();
            }
            answering.removeAll(dialog);
        });
        poll.start(0);
        action();
    }
};

QWidget* makeWindow(const QString& name)
{
    using Cause = OverForm::Cause;
    return name == "firstform"   ? new FirstForm
           : name == "wordform"  ? new WordForm(nullptr)
           : name == "acceform"  ? new AcceForm(nullptr)
           : name == "tuboform"  ? new TuboForm(nullptr)
           : name == "bmpform"   ? new BmpForm(nullptr)
           : name == "aboutform" ? new AboutForm
           : name == "overform"  ? new OverForm(Cause::Rotted)
           : name == "overform2" ? static_cast<QWidget*>(new OverForm(Cause::DriedUp))
                                 : nullptr;
}

using Place = std::tuple<const char*, int, int, int, int, const char*>;
} // namespace
Q_DECLARE_METATYPE(Place)

class TestWindows : public QObject
{
    Q_OBJECT

    const QString startFolder = QDir::currentPath();
    const QPalette startPalette = QApplication::palette();

private slots:
    void init() { storeTexts({}); }
    void cleanup()
    {
        QDir::setCurrent(startFolder);
        QApplication::setPalette(startPalette);
        QDir(QSettings().fileName()).removeRecursively(); // a store made unwritable
    }

    void everyControlLiesWhereTheDesignPutsIt_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Place>("place");
        // clang-format off
        // The pot picker inside Frame3, the same in the setup and the pot window.
        const QList<Place> pots = {{"Image3", 120, 240, 945, 600, "tubo1"}, {"Image4", 1080, 240, 945, 600, "tubo2"}, {"Image5", 2040, 240, 945, 600, "tubo3"},
            {"sshape2(0)", 480, 960, 255, 255, ""}, {"sshape2(1)", 1440, 960, 255, 255, ""}, {"sshape2(2)", 2400, 960, 255, 255, ""}};
        // The empty control is the window itself: its client size and title.
        const QList<std::pair<const char*, QList<Place>>> design = {
            {"mainform", {{"", 0, 0, 3840, 2295, "MORVICK"}, {"Picture1", 0, 0, 1455, 1685, "#ff80ff"}, {"siikubutton1", 1440, 0, 600, 600, "|水をやる"},
                {"siikubutton2", 2040, 0, 600, 600, "|話しかける"}, {"siikubutton3", 2640, 0, 600, 600, "|飾りをつける"}, {"Command1", 3240, 0, 600, 600, "|終了する"},
                {"sshape1", 240, 240, 885, 840, "morvick2"}, {"sshape2", 240, 1080, 885, 540, "tubo1"}, {"okan", 525, 120, 480, 480, "okan"},
                {"hana(0)", 360, 360, 480, 480, "hana1"}, {"ribon", 495, 840, 480, 480, "ribon"}, {"pale(0)", 510, 720, 480, 480, "pale1"},
                {"flower(0)", 720, 360, 480, 480, "flower1"}, {"smsgbox", 0, 1680, 3855, 615, ""}, {"Label1", 1440, 600, 2415, 1080, ""},
                {"Label2", 1560, 630, 735, 255, "名前："}, {"namebox", 2280, 630, 1455, 255, ""}, {"Label3", 1560, 870, 735, 255, "年齢："},
                {"agebox", 2280, 870, 975, 255, ""}, {"Label4", 3360, 870, 255, 255, "日"}, {"infobox", 1560, 1095, 2175, 495, ""}}},
            {"firstform", QList<Place>{{"", 0, 0, 5655, 2775, ""}, {"Frame1", 120, 0, 1695, 615, "名前"}, {"namebox", 120, 240, 1455, 270, ""},
                {"Frame2", 120, 720, 2175, 1575, "モルビックの形"}, {"Image1", 120, 240, 945, 900, "morvick13"}, {"Image2", 1080, 240, 945, 900, "morvick23"},
                {"sshape1(0)", 480, 1200, 255, 255, ""}, {"sshape1(1)", 1440, 1200, 255, 255, ""}, {"Frame4", 2400, 0, 735, 855, "性別"},
                {"Option1", 120, 240, 495, 255, "男"}, {"Option2", 120, 480, 495, 255, "女"}, {"Frame5", 3240, 0, 2295, 855, "モルビックへの話しかけかた"},
                {"Option4", 120, 240, 855, 255, "男言葉"}, {"Option3", 120, 480, 855, 255, "女言葉"}, {"okbutton", 3480, 2400, 975, 255, "OK"},
                {"cancelbutton", 4560, 2400, 975, 255, "END"}, {"Command1", 4560, 2400, 975, 255, "CANCEL"}, {"Frame3", 2400, 960, 3135, 1335, "つぼの形"}} + pots},
            {"wordform", {{"", 0, 0, 4470, 2055, ""}, {"sword(0)", 120, 120, 4215, 255, "Option1"}, {"sword(1)", 120, 480, 4215, 255, "Option1"},
                {"sword(2)", 120, 840, 4215, 255, "Option1"}, {"sword(3)", 120, 1200, 4215, 255, "Option1"}, {"Command1", 1680, 1680, 975, 255, "OK"}}},
            {"acceform", {{"", 0, 0, 2175, 1335, ""}, {"Image1", 240, 120, 480, 480, "okan"}, {"Image2", 720, 150, 480, 480, "ribon"},
                {"Image3(0)", 1200, 120, 480, 480, "flower2"}, {"Image4(0)", 1680, 120, 480, 480, "pale1"}, {"acheck(0)", 285, 600, 255, 255, ""},
                {"acheck(1)", 795, 600, 255, 255, ""}, {"acheck(2)", 1245, 600, 255, 255, ""}, {"acheck(3)", 1725, 600, 255, 255, ""},
                {"Command1", 600, 960, 1095, 255, "OK"}}},
            {"tuboform", QList<Place>{{"", 0, 0, 3375, 1815, ""}, {"okbutton", 1200, 1440, 975, 255, "OK"}, {"cancelbutton", 2280, 1440, 975, 255, "CANCEL"},
                {"Frame3", 120, 0, 3135, 1335, "つぼの形"}} + pots},
            {"bmpform", {{"", 0, 0, 5010, 855, ""}, {"Label1", 120, 120, 360, 180, "画像"}, {"Text1", 600, 120, 3375, 270, ""}, {"Command1", 4080, 120, 855, 255, "参照"},
                {"Command3", 1440, 480, 1095, 255, "OK"}, {"Command2", 2640, 480, 1095, 255, "CANCEL"}, {"Command4", 3840, 480, 1095, 255, "RESET|背景を元に戻します"}}},
            {"overform", {{"", 0, 0, 2895, 840, ""}, {"Label1", 120, 120, 2655, 255, "水のやりすぎで腐ってしまいました"}, {"Command1", 960, 480, 975, 255, "END"}}},
            {"overform2", {{"", 0, 0, 2910, 990, ""}, {"Label1", 120, 120, 2655, 375, "あまりに水をやらなかったので、干からびてしまいました"},
                {"Command1", 960, 600, 975, 255, "END"}}},
            {"aboutform", {{"", 0, 0, 3015, 1335, ""}, {"Image1(0)", 120, 120, 480, 480, "icon"}, {"Image1(1)", 2400, 120, 480, 480, "icon"},
                {"Label1", 720, 120, 1575, 375, "MORVICK"}, {"Label3", 1200, 600, 885, 240, "Ver. 1.41"}, {"Command1", 840, 960, 1335, 255, "OK"}}}};
        for (const auto& [window, places] : design)
            for (const Place& place : places)
                QTest::addRow("%s %s", window, *std::get<0>(place) ? std::get<0>(place) : "window") << window << place;
        // clang-format on
    }
    void everyControlLiesWhereTheDesignPutsIt()
    {
        QFETCH(QString, window);
        QFETCH(Place, place);
        const auto [control, left, top, width, height, caption] = place;
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        const QRect rect(px(left), px(top), px(width), px(height));
        Game game(builtGameFolder);
        QScopedPointer<QWidget> made(makeWindow(window));
        QWidget* shown = made ? made.data() : &game.main;
        if (!*control) {
            shown->show();
            QCOMPARE(shown->objectName(), window);
            QCOMPARE((made ? shown : game.main.centralWidget())->size(), rect.size());
            QCOMPARE(shown->windowTitle(), QString(caption));
            QCOMPARE(shown->minimumSize(), shown->maximumSize());
            // Names and paths are shown as typed, never as markup, from the top of their box.
            for (const QLabel* label : shown->findChildren<QLabel*>())
                QVERIFY2(label->textFormat() == Qt::PlainText && label->alignment() & Qt::AlignTop,
                         qPrintable(label->objectName()));
            return;
        }
        QWidget* placed = shown->findChild<QWidget*>(control);
        QVERIFY2(placed, qPrintable(control));
        QCOMPARE(placed->pos(), rect.topLeft());
        const bool grows = window == "aboutform" && qobject_cast<QLabel*>(placed);
        QCOMPARE(placed->size(), grows ? rect.size().expandedTo(placed->sizeHint()) : rect.size());
        QCOMPARE(captionOf(placed), QString(caption));
    }

    void aSessionGoesAsThePlayerExpects_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QString>("steps");
        // clang-format off
        const QString ten = "store=ai=4,bcolor=197121,days=5,lastday=46362,sacce1=0,sacce2=1,sacce3=0,sacce4=0,seiword=2,smode=1,swater=7", quitter = "ai=4 days=5 swater=10 sacce2=1 seiword=2 bcolor=197121";
        const QString old = "sname=old days=9 sacce1=1 sacce4=1 bmpdir=x", oldStore = "store=days=9,lastday=46362,sacce1=1,sacce4=1,smode=1,sname=old", well = "infobox=元気です smsgbox=";
        const QString lacks = "infobox=水分が不足しています smsgbox=喉が渇いているようです", lacksBadly = "infobox=水分が非常に不足しています smsgbox=乾いて、苦しそうです";
        const QString tooMuch = "infobox=水分が過剰です smsgbox=顔色が悪く、元気がありません", watered = "infobox=元気です smsgbox=水をかけてもらって気持ちよさそうです";
        const auto water = [](int level) { return QString("ai=5 sshape2=2 sacce1=1 swater=%1").arg(level + 1); };
        // Three draws for the three sentences; Enter on one does nothing, and closed without OK nothing changes.
        const auto talk = [](int hour, const QString& greeting, const QString& draws, const QString& name = "ザボン") {
            QString steps = QString("hour:%1 ").arg(hour), shown = "sword(0)=" + greeting;
            for (int button = 1; button <= 3; ++button) {
                const int draw = draws[button - 1].digitValue();
                steps += QString("u:%1 ").arg(drawFor(draw, 3));
                shown += QString(" sword(%1)=").arg(button) + withName(talkSentence(button, draw, 1), name).replace("&", "&&");
            }
            return steps + "show siikubutton2 [screen=in " + shown + " @sword(1) key:Return] opened=wordform(open) draws=3 ai=-5 smsgbox=喉が渇いているようです";
        };
        QTest::newRow("OK at the first start stores the nine keys at once") << "smode=0" << "[namebox:a sshape1(1) sshape2(2) Option1 Option3 okbutton] opened=firstform namebox=a agebox=1 sshape1=morvick2 sshape2=tubo3 store=days=1,lastday=46362,sei=1,seiword=2,smode=1,sname=a,sshape1=2,sshape2=3,swater=3";
        QTest::newRow("END at the first start ends the game and stores nothing") << "smode=0" << "[namebox:a cancelbutton] opened=firstform effects=end0";
        QTest::newRow("closing the first setup grows the default plant unstored") << "smode=0" << "[namebox:a] opened=firstform(open) namebox=ザボン agebox=0";
        QTest::newRow("Esc and Enter in the first setup's name box keep the window and a name of any length") << "smode=0" << "[namebox:%L key:Esc key:Return namebox=%L] opened=firstform(open)";
        QTest::newRow("two days away go unnoticed") << "lastday=46360 swater=10 days=4" << "smsgbox= agebox=6 ai=0 smsgbox!=bold12 Label2!=bold12 agebox!=bold12 menus=plain9 mfile?= mchange?= back?= mhelp?= mdel?=";
        QTest::newRow("three days away make the plant lonely") << "lastday=46359 swater=10 ai=10" << "smsgbox=ザボンは、あなたがかまってあげなかったので寂しがっています ai=0";
        QTest::newRow("three days away put the plant below zero out of sorts") << "lastday=46359 swater=10 ai=9" << "smsgbox=ザボンは、すっかりご機嫌斜めです ai=-1";
        QTest::newRow("a clock set back takes the days off the age") << "lastday=46367 swater=10 days=10" << "agebox=5 smsgbox= infobox=元気です";
        QTest::newRow("a clock decades away holds the age") << "lastday=6362 swater=10 days=10" << "agebox=32767 ai=-10 smsgbox=ザボンは、すっかりご機嫌斜めです";
        QTest::newRow("water at -30 after the start leaves the plant alive") << "swater=-27" << "smsgbox=乾いて、苦しそうです";
        QTest::newRow("water at -31 dries the plant up and END deletes it") << "swater=-28" << "[Command1] opened=overform2 store= effects=end0";
        QTest::newRow("a round plant of 60 days is young and wears its accessories low") << "days=60" << "u:0.99 sshape1=morvick1 agebox=60 flower(0)=- draws=1 okan@=35,10 hana(0)@=16,24 ribon@=33,48 pale(0)@=34,60";
        for (const auto& [days, picture] : {std::pair{61, "morvick12"}, {120, "morvick12"}, {121, "morvick13"}})
            QTest::addRow("a round plant of %d days shows %s", days, picture) << QString("days=%1").arg(days) << QString("u:0.99 sshape1=") + picture;
        QTest::newRow("a tall plant of 60 days is young and wears its accessories high") << "sshape1=2 days=60" << "u:0.99 sshape1=morvick2 okan@=35,8 hana(0)@=24,32 ribon@=33,56 pale(0)@=34,34";
        QTest::newRow("a tall plant of 121 days is old and stands in its own pot") << "sshape1=2 days=121 sshape2=3" << "u:0.99 sshape1=morvick23 sshape2=tubo3";
        QTest::newRow("a tall plant of a negative age is young") << "sshape1=2 days=-5 sshape2=3" << "u:0.99 sshape1=morvick2 agebox=-5 okan@=35,8";
        QTest::newRow("an unknown shape or pot keeps the pictures the window opened with") << "sshape1=3 days=200 sshape2=4 sacce1=1" << "u:0.99 sshape1=morvick2 okan@=35,8 sshape2=tubo1";
        QTest::newRow("only accessories stored as 1 are worn") << "sei=2 sacce1=1 sacce2=2 sacce3=1" << "u:0.99 okan=okan ribon=- hana(0)=hana1 pale(0)=-";
        QTest::newRow("a male plant wears and blooms in his own pictures") << "sei=1 sacce3=1 sacce4=1" << "u:0 hana(0)=hana2 pale(0)=pale2 flower(0)=flower2";
        QTest::newRow("a female plant blooms pink on a drawn 1") << "sei=2" << "u:0 flower(0)=flower1 draws=1";
        QTest::newRow("a plant below zero affection takes no bloom draw") << "ai=-1" << "u:0 flower(0)=- draws=0";
        // Water by its level after the day's drain, at the start and after one watering.
        const std::pair<int, QString> atStart[] = {{-11, lacksBadly}, {-10, lacks}, {-1, lacks}, {0, well}, {29, well}, {30, tooMuch}};
        for (const auto& [level, shown] : atStart)
            QTest::addRow("water at %d shows its status at the start", level) << QString("swater=%1").arg(level + 3) << shown;
        QTest::newRow("the door button stores the ten keys with the colour shown") << "ai=4 days=5 swater=10 sacce2=1 seiword=2 bcolor=255" << "show mcolor [screen=in =#ff0000 #010203 key:Return] Picture1=#010203 store~bcolor=255 mcolor [=#010203 #0000ff key:Esc] Picture1=#010203 Command1 opened=colourdialog,colourdialog effects=end0 " + ten;
        QTest::newRow("the colour dialog opens over the middle of the game") << "" << "middle mcolor [over=centred key:Esc] opened=colourdialog";
        QTest::newRow("the end menu item stores the ten keys") << quitter << "mend effects=end0 " + ten;
        QTest::newRow("the close box stores the ten keys") << quitter << "show close effects=end0 " + ten;
        const std::tuple<int, int, QString> watering[] = {{-11, 6, lacksBadly}, {-10, 6, lacks}, {-1, 6, lacks}, {0, 6, watered}, {19, 6, watered}, {20, 4, tooMuch}, {24, 4, tooMuch}};
        for (const auto& [level, ai, shown] : watering)
            QTest::addRow("watering up to %d shows the status and moves affection", level) << water(level) << QString("siikubutton1 ai=%1 effects=water ").arg(ai) + shown;
        QTest::newRow("watering up to 25 rots the plant and Enter on END deletes it") << water(25) << "show siikubutton1 [screen=in key:Return] opened=overform sshape1=- okan=- sshape2=tubo2 infobox= store= effects=water,end0";
        const std::tuple<int, const char*, const char*> hours[] = {{5, "おやすみ", "123"}, {6, "おはよう", "321"}, {10, "おはよう", "213"}, {11, "こんにちは", "132"},
            {17, "こんにちは", "312"}, {18, "こんばんは", "231"}, {22, "こんばんは", "111"}, {23, "おやすみ", "333"}};
        for (const auto& [hour, word, draws] : hours)
            QTest::addRow("talking at %d o'clock greets by the hour over three drawn sentences", hour) << "ai=-5 swater=0" << talk(hour, QString(word) + "、ザボン", draws);
        QTest::newRow("talking shows a name with & as typed") << "ai=-5 swater=0 sname=A&B" << talk(12, "こんにちは、A&&B", "123", "A&B");
        QTest::newRow("saying a sentence below zero draws nothing and clears the line") << "sei=1 swater=0 ai=-2" << "u:0 u:0 u:0 siikubutton2 [@Command1 key:Return] opened=wordform ai=-1 draws=3 smsgbox=";
        QTest::newRow("saying a sentence at zero brings an answer on a drawn 1") << "sei=1 swater=0 ai=-1" << "u:0 u:0 u:0 u:0.05 u:0.25 siikubutton2 [sword(0)?=on Command1] opened=wordform ai=0 draws=5 smsgbox=顔を赤くしています";
        QTest::newRow("saying a sentence brings silence on another draw") << "sei=1 swater=0 ai=-1" << "u:0 u:0 u:0 u:0.15 siikubutton2 [Command1] opened=wordform ai=0 draws=4 smsgbox=";
        QTest::newRow("a bow put on pleases the plant") << "sei=2 swater=0 ai=-5" << "show siikubutton3 [screen=in acheck(0)?= acheck(1)?= acheck(2)?= acheck(3)?= Image3(0)=flower2 Image4(0)=pale1 acheck(1) @Command1 key:Return] opened=acceform ai=-4 effects=bell smsgbox=嬉しそうです okan=- ribon=ribon hana(0)=- pale(0)=-";
        QTest::newRow("a crown alone puzzles the plant") << "sei=2 swater=0" << "siikubutton3 [acheck(0) Command1] opened=acceform effects=bell smsgbox=王冠が珍しいようです okan=okan";
        QTest::newRow("the highest accessory worn speaks") << "sei=2 swater=0 sacce1=1 sacce3=1" << "siikubutton3 [acheck(0)?=on acheck(1)?= acheck(2)?=on acheck(3)?= acheck(1) Command1] opened=acceform effects=bell smsgbox=照れているようです okan=okan ribon=ribon hana(0)=hana1 pale(0)=-";
        QTest::newRow("all four accessories are heavy") << "sei=2 swater=0 sacce2=1" << "siikubutton3 [acheck(0) acheck(2) acheck(3) Command1] opened=acceform effects=bell smsgbox=ちょっと重たそうです okan=okan ribon=ribon hana(0)=hana1 pale(0)=pale1";
        QTest::newRow("taking all accessories off keeps the message") << "sei=2 swater=0 sacce4=1" << "siikubutton3 [acheck(3) Command1] opened=acceform effects=bell smsgbox=喉が渇いているようです pale(0)=-";
        QTest::newRow("a male plant is offered and wears his own accessories") << "sei=1 swater=0" << "siikubutton3 [Image3(0)=hana2 Image4(0)=pale2 acheck(2) acheck(3) Command1] opened=acceform effects=bell smsgbox=ちょっと自慢気にしています hana(0)=hana2 pale(0)=pale2";
        QTest::newRow("closing the accessory window changes nothing") << "sei=2 swater=0 ai=-5 sacce1=1" << "siikubutton3 [acheck(0) acheck(1) key:Esc] opened=acceform(open) ai=-5 okan=okan ribon=- smsgbox=喉が渇いているようです";
        QTest::newRow("a touch pricks") << "sei=2 swater=0 ai=-5" << "show u:0.05 click:sshape1 ai=-4 smsgbox=チクチクします";
        QTest::newRow("a touched male plant looks away on a drawn 9") << "sei=1 swater=0 ai=-5" << "show u:0.85 click:sshape1 smsgbox=照れてそっぽを向いています";
        QTest::newRow("a touched female plant gazes on a drawn 9") << "sei=2 swater=0 ai=-5" << "show u:0.85 click:sshape1 smsgbox=潤んだ瞳で見つめています";
        QTest::newRow("a double click is one touch") << "sei=2 swater=0 ai=-5" << "show u:0.95 u:0.05 dclick:sshape1 ai=-4 draws=1 smsgbox=恥ずかしがっています";
        QTest::newRow("a move over the plant keeps the line and over the bare scene clears it") << "swater=0" << "show move:sshape1 smsgbox=喉が渇いているようです move:Picture1 smsgbox=";
        QTest::newRow("the pot window opens on pot 1 and OK stores the choice at once") << "sshape2=2" << "show mtubo [screen=in sshape2(0)?=on sshape2(2) @okbutton key:Return] opened=tuboform sshape2=tubo3 effects=pot store=lastday=46362,smode=1,sshape2=3";
        QTest::newRow("OK on the first pot moves the plant into it") << "sshape2=2" << "mtubo [okbutton] opened=tuboform sshape2=tubo1 effects=pot store=lastday=46362,smode=1,sshape2=1";
        QTest::newRow("CANCEL, Esc and the close box leave the pot") << "sshape2=2" << "mtubo [sshape2(2) @cancelbutton key:Return] mtubo [sshape2(2) key:Esc] mtubo [sshape2(2)] opened=tuboform,tuboform,tuboform(open) sshape2=tubo2";
        QTest::newRow("OK shows a picture and stores its whole path") << "" << "mbmp [Text1= Command3?=off Text1:%1/pic.png Command3?= Command3] opened=bmpform Picture1=#00ff00 store=bmpdir=%1/pic.png,lastday=46362,smode=1";
        QTest::newRow("a relative picture path is stored whole") << "" << "cd mbmp [Text1:pic.png Command3] opened=bmpform Picture1=#00ff00 store=bmpdir=%1/pic.png,lastday=46362,smode=1";
        QTest::newRow("a path that gives no picture is forgotten") << "" << "mbmp [Text1:%1/none.png Command3] opened=bmpform Picture1=#ff80ff store=bmpdir=,lastday=46362,smode=1";
        QTest::newRow("RESET takes the picture away") << "bmpdir=%1/pic.png" << "Picture1=#00ff00 mbmp [Text1=%1/pic.png Command4] opened=bmpform Picture1=#ff80ff store=bmpdir=,lastday=46362,smode=1";
        QTest::newRow("Enter in the path box does nothing and CANCEL keeps the picture") << "bmpdir=%1/pic.png" << "mbmp [Text1:x @Text1 key:Return screen=in @Command2 key:Return] opened=bmpform Picture1=#00ff00";
        QTest::newRow("CANCEL on a new plant keeps the plant and the name typed") << old << "mnew [namebox:new @Command1 key:Return] kept=1 mnew [namebox=new okbutton?=] opened=firstform,firstform(open) namebox=old okan=- " + oldStore;
        QTest::newRow("closing the new plant window keeps the plant and forgets the name") << old << "mnew [namebox:new] kept=0 mnew [namebox= okbutton?=off] opened=firstform(open),firstform(open) namebox=old okan=- " + oldStore;
        QTest::newRow("OK on a new plant stores only the new one") << old << "middle mnew [over=centred namebox:new sshape2(2) @okbutton key:Return] opened=firstform namebox=new agebox=1 okan=- pale(0)=- sshape2=tubo3 store=days=1,lastday=46362,sei=2,seiword=1,smode=1,sname=new,sshape1=1,sshape2=3,swater=3";
        QTest::newRow("without a help file the help opens nothing") << "" << "help: show key:F1 mhepl1 mhelp2 viewer=-";
        QTest::newRow("a help file named in capitals is no help file") << "" << "help:MORVICKHELP.HLP show key:F1 mhepl1 mhelp2 viewer=-";
        QTest::newRow("F1 opens the help contents beside the game and Esc closes it") << "" << "help:morvickhelp.hlp show mhelp2 indexfilter:x key:F1 viewer=contents helpwindow!=plain10 key:Esc viewer=-";
        QTest::newRow("the keyword search opens the index unfiltered and Ctrl+W closes it") << "" << "help:morvickhelp.hlp show mhelp2 indexfilter:x mhepl1 viewer=contents mhelp2 viewer=indextab indexfilter= key:Down keyword=BMP key:Down keyword=END key:Ctrl+W viewer=-";
        QTest::newRow("About is one window, black on a dark desktop, closed by Enter not Esc") << "" << "dark mabout [Label3#=#000000 Label3!=plain12 key:A screen=in key:Return] mabout [key:Esc screen=in] opened=aboutform,aboutform(open) kept=1";
        QTest::newRow("a failed save is told once, naming the file, and play goes on") << "" << "broken mtubo [sshape2(1) okbutton] [~%F] mtubo [okbutton] opened=tuboform,savefailure(open),tuboform sshape2=tubo1 effects=pot,pot";
        // clang-format on
    }
    void aSessionGoesAsThePlayerExpects()
    {
        QFETCH(QString, plant);
        QFETCH(QString, steps);
        QTemporaryDir folder;
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(folder.filePath("pic.png")));
        plant.replace("%1", folder.path());
        steps.replace("%1", folder.path())
            .replace("%F", QSettings().fileName())
            .replace("%L", QString(40000, 'n'));

        QList<std::pair<QString, QString>> texts{{"smode", "1"}, {"lastday", "46362"}};
        for (const QString& pair : plant.split(' ', Qt::SkipEmptyParts))
            texts.append({pair.section('=', 0, 0), pair.section('=', 1)});
        storeTexts(texts);
        // The world set up, the steps on the main window apart from those in the windows.
        Game game(folder.path());
        QStringList mainSteps, scripts;
        QRegularExpressionMatchIterator match =
            QRegularExpression("\\[[^]]*\\]|\\S+").globalMatch(steps);
        while (match.hasNext()) {
            const QString item = match.next().captured(), value = item.section(':', 1);
            if (item.startsWith('['))
                scripts << item.mid(1, item.size() - 2);
            else if (item.startsWith("u:"))
                game.world.draws.push_back(value.toDouble());
            else if (item.startsWith("hour:"))
                game.world.hour = value.toInt();
            else if (item.startsWith("help:"))
                QVERIFY(value.isEmpty() ||
                        QFile::copy(builtGameFolder + "/morvickhelp.hlp", folder.filePath(value)));
            else if (item == "dark")
                QApplication::setPalette(QPalette(QColor(30, 30, 30)));
            else if (item == "cd")
                QDir::setCurrent(folder.path());
            else
                mainSteps << item;
        }
        const QString storeBefore = game.value(game.main, "store");
        game.checked.clear();

        game.answering(
            [&] {
                game.main.Form_Load();
                for (const QString& step : mainSteps)
                    if (!QTest::currentTestFailed())
                        game.act(game.main, step);
            },
            scripts);
        if (QTest::currentTestFailed())
            return;
        // What a row does not name must not have happened; a broken store cannot be read.
        for (const QString name : {"opened", "effects", "store"})
            if (!game.checked.contains(name) && !(name == "store" && steps.contains("broken")))
                game.act(game.main, name + '=' + (name == "store" ? storeBefore : ""));
    }
};

MORVICK_TEST_MAIN(QApplication, TestWindows)
#include "test_windows.moc"
