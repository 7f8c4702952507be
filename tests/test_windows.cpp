// The windows as the player meets them: each laid out and drawn as designed, each handler driven
// through the real widgets, with the clock, draws and sounds stood in.
#include "game.h"
#include "ui/aboutform.h"
#include "ui/acceform.h"
#include "ui/bmpform.h"
#include "ui/firstform.h"
#include "ui/overform.h"
#include "ui/plantscene.h"
#include "ui/tuboform.h"
#include "ui/wordform.h"

#include <QtWidgets>

namespace {
// "name left top width height shows": a control's place in twips as the design gives it, and
// what it shows: a caption (then "|" and its tip, if any), a picture's name, or a colour; then
// how a screen reader names it, and its look where the design sets one. "-" is the window itself,
// showing its title. Controls that take the focus are listed in their tab order.
using Place = std::tuple<QString, int, int, int, int, QString>;
Place placeOf(const QString& text)
{
    const QStringList part = text.split(' ');
    return {part[0],         part[1].toInt(), part[2].toInt(),
            part[3].toInt(), part[4].toInt(), text.section(' ', 5)};
}

/* what the window shows on the screen, the paint that a change asked for included */
QImage onScreen(QWidget& window)
{
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

const auto colourAt = [](const QWidget& control, QPoint point) {
    return onScreen(*control.window()).pixelColor(control.mapTo(control.window(), point)).name();
};

QString shownBy(QWidget* control)
{
    if (auto* image = qobject_cast<const ImageControl*>(control))
        return image->picture().name;
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (qobject_cast<const PlantScene*>(control))
        return colourAt(*control, QPoint());
    const QString tip = control->toolTip();
    return control->property(control->isWindow() ? "windowTitle" : "text").toString() +
           (tip.isEmpty() ? "" : '|' + tip);
}

QString lookOf(QWidget* control)
{
    const QFont font = control->font();
    auto* label = qobject_cast<const QLabel*>(control);
    auto* button = qobject_cast<const QPushButton*>(control); // Enter's, or Enter's when focused
    QStringList look{
        font.pointSizeF() != 9 ? QString::number(font.pointSizeF()) + "pt" : "",
        font.bold() ? "bold" : "",
        label && label->wordWrap() ? "wrapped" : "",
        label && label->alignment() & Qt::AlignRight ? "right" : "",
        label && label->frameWidth() // the paper where no text reaches
            ? "framed on " + colourAt(*label, label->rect().bottomRight() - QPoint(4, 4))
            : "",
        control->focusPolicy() == Qt::TabFocus ? "tab-only" : "",
        button && !button->icon().isNull()
            ? QString("%1x%2-icon").arg(button->iconSize().width()).arg(button->iconSize().height())
            : "",
        !button                 ? ""
        : button->isDefault()   ? "default"
        : button->autoDefault() ? "auto-default"
                                : ""};
    look.removeAll("");
    const QString name = control->accessibleName();
    return (name.isEmpty() ? "" : " read as " + name) +
           (look.isEmpty() ? "" : " in " + look.join(' '));
}

/* the images of the window that do not draw the game's own picture over what
   lies behind them, filling their place, where nothing lies in front */
QStringList picturesDrawnAmiss(QWidget& window, const QColor& opaqueBehind = {})
{
    QStringList amiss;
    const QImage shot = onScreen(window);
    for (ImageControl* image : window.findChildren<ImageControl*>()) {
        if (!image->isVisible() || image->window() != &window)
            continue;
        const QRect place(image->mapTo(&window, QPoint()), image->size());
        QRegion uncovered(place);
        const QObjectList siblings = image->parent()->children(); // later ones lie in front
        for (qsizetype i = siblings.indexOf(image) + 1; i < siblings.size(); ++i)
            if (auto* front = qobject_cast<QWidget*>(siblings[i]); front && front->isVisible())
                uncovered -= QRect(front->mapTo(&window, QPoint()), front->size());
        image->hide();
        QImage expected = window.grab(place).toImage();
        image->show();
        QPainter painter(&expected);
        if (opaqueBehind.isValid())
            painter.fillRect(expected.rect(), opaqueBehind);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(expected.rect(),
                           QPixmap(":/pictures/" + image->picture().name + ".png"));
        for (const QRect& part : uncovered)
            if (shot.copy(part) != expected.copy(part.translated(-place.topLeft())))
                amiss << image->objectName();
    }
    return amiss;
}

/* the labels and options of the window with text but not one pixel of their ink colour */
QStringList textsDrawnAmiss(QWidget& window)
{
    QStringList amiss;
    const QImage shot = onScreen(window);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        auto* option = qobject_cast<QRadioButton*>(control);
        if (control->property("text").toString().trimmed().isEmpty() || !control->isVisible() ||
            !(option || qobject_cast<QLabel*>(control)))
            continue;
        QRect text = control->rect(); // an option's caption, beside its round mark
        if (option) {
            QStyleOptionButton style;
            style.initFrom(option);
            text = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        }
        const QImage drawn = shot.copy(text.translated(control->mapTo(&window, QPoint())));
        const QRgb ink = control->palette().color(QPalette::WindowText).rgb();
        if (QRegion(QBitmap::fromImage(drawn.createMaskFromColor(ink))).isEmpty())
            amiss << control->objectName();
    }
    return amiss;
}

/* what the player meets in a window as it opens, over the game's window */
QMap<QString, QString> factsOf(QWidget& window, const QWidget& game)
{
    static const QRegularExpression commonPictures(
        "^[^*]+$|^\\(?\\*\\.(png|jpe?g|bmp|gif|ico)\\)?$");
    QMap<QString, QStringList> seen{
        {"offered", {}}, {"options", {}}, {"ticked", {}}, {"buttons", {}}, {"typed", {}}};
    const QRect frame = window.frameGeometry(), // before the game shows, the screen is under it
        under = game.isVisible() ? game.frameGeometry() : window.screen()->availableGeometry();
    const QPoint off = frame.topLeft() - under.topLeft();
    const bool centred = (frame.center() - under.center()).manhattanLength() <= 4; // its frame
    seen["opened"] << window.objectName() +
                          (window.objectName() == "bmpform" ? ""
                           : centred ? (game.isVisible() ? " over the game" : " mid-screen")
                                     : QString(" at %1,%2").arg(off.x()).arg(off.y()));
    seen["focused"] << (window.focusWidget() ? window.focusWidget()->objectName() : "");
    for (const auto* image : window.findChildren<ImageControl*>())
        seen["offered"] << image->picture().name;
    for (const auto* chooser : window.findChildren<QColorDialog*>())
        seen["offered"] << chooser->currentColor().name();
    for (const auto* scroll : window.findChildren<QScrollArea*>()) // where the screen has room
        seen["scrolls"] << QString::number(scroll->widget()->size() != scroll->viewport()->size());
    for (const auto* box : window.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QRadioButton*>(box) && !box->text().isEmpty())
            seen["options"] << box->text();
        if (box->isChecked())
            seen["ticked"] << box->objectName();
        if (qobject_cast<const QPushButton*>(box) && box->isVisible())
            seen["buttons"] << box->text() + (box->isEnabled() ? "" : "-");
    }
    for (const auto* field : window.findChildren<QLineEdit*>())
        seen["typed"] << field->text();
    if (auto* message = qobject_cast<QMessageBox*>(&window))
        seen["told"] << message->text() +
                            (message->textFormat() == Qt::PlainText ? "" : " (markup)");
    if (auto* files = qobject_cast<QFileDialog*>(&window))
        seen["filters"] << files->selectedNameFilter().split(' ').filter(commonPictures).join(' ') +
                               ", then " + files->nameFilters().mid(1).join(' ') +
                               (files->testOption(QFileDialog::DontUseNativeDialog) ? ""
                                                                                    : " natively") +
                               (files->fileMode() == QFileDialog::ExistingFile ? "" : " any file");
    QMap<QString, QString> facts;
    for (const auto& [what, values] : seen.asKeyValueRange())
        facts[what] = values.join(what == "options" ? " | " : " ");
    return facts;
}

QWidget* makeWindow(const QString& name, QWidget* game)
{
    using Cause = OverForm::Cause;
    return name == "firstform"   ? new FirstForm(game)
           : name == "wordform"  ? new WordForm(game)
           : name == "acceform"  ? new AcceForm(game)
           : name == "tuboform"  ? new TuboForm(game)
           : name == "bmpform"   ? new BmpForm(game)
           : name == "aboutform" ? new AboutForm(game)
           : name == "overform"  ? new OverForm(Cause::Rotted, game)
           : name == "overform2" ? static_cast<QWidget*>(new OverForm(Cause::DriedUp, game))
                                 : nullptr;
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { storeTexts({}); }
    void cleanup() { QDir(QSettings().fileName()).removeRecursively(); } // a store made unwritable

    // Each window at its design size, its controls at their design places, its
    // pictures drawn where they stand, its labels inked, a name for each control.
    void everyWindowIsLaidOutAndDrawnAsDesigned_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("places");
        // The first place is the window's own client area, with its title.
        const QStringList pots{"Frame3 2400 960 3135 1335 つぼの形",
                               "Image3 120 240 945 600 tubo1",
                               "Image4 1080 240 945 600 tubo2",
                               "Image5 2040 240 945 600 tubo3",
                               "sshape2(0) 480 960 255 255  read as 茶色の素焼きのつぼ",
                               "sshape2(1) 1440 960 255 255  read as 青緑のレース模様のつぼ",
                               "sshape2(2) 2400 960 255 255  read as 黄色いつぼ"};
        const auto row = [](const char* name, const char* window, const QStringList& places) {
            QTest::newRow(name) << QString(window) << places;
        };
        row("main", "mainform",
            QStringList{
                "- 0 0 3840 2295 MORVICK",
                "siikubutton1 1440 0 600 600 |水をやる read as 水をやる in tab-only 32x32-icon",
                "siikubutton2 2040 0 600 600 |話しかける read as 話しかける in tab-only 32x32-icon",
                "siikubutton3 2640 0 600 600 |飾りをつける read as 飾りをつける in tab-only "
                "32x32-icon",
                "Command1 3240 0 600 600 |終了する read as 終了する in tab-only 32x32-icon",
                "Picture1 0 0 1455 1685 #ff80ff read as モルビック in tab-only",
                "sshape1 240 240 885 840 morvick2", "sshape2 240 1080 885 540 tubo1",
                "okan 525 120 480 480 okan", "hana(0) 360 360 480 480 hana1",
                "ribon 495 840 480 480 ribon", "pale(0) 510 720 480 480 pale1",
                "flower(0) 720 360 480 480 flower1"} +
                QStringList{"smsgbox 0 1680 3855 615  in 12pt bold wrapped framed on #ffffff",
                            "Label1 1440 600 2415 1080  in 12pt bold wrapped framed on #000000",
                            "Label2 1560 630 735 255 名前： in 12pt bold wrapped right",
                            "namebox 2280 630 1455 255  in 12pt bold",
                            "Label3 1560 870 735 255 年齢： in 12pt bold wrapped right",
                            "agebox 2280 870 975 255  in 12pt bold right",
                            "Label4 3360 870 255 255 日 in 12pt bold wrapped",
                            "infobox 1560 1095 2175 495  in 12pt bold wrapped"});
        row("setup", "firstform",
            QStringList{"- 0 0 5655 2775  read as 新しいモルビック", "Frame1 120 0 1695 615 名前",
                        "namebox 120 240 1455 270", "Frame4 2400 0 735 855 性別",
                        "Option1 120 240 495 255 男", "Option2 120 480 495 255 女",
                        "Frame5 3240 0 2295 855 モルビックへの話しかけかた",
                        "Option4 120 240 855 255 男言葉", "Option3 120 480 855 255 女言葉",
                        "Frame2 120 720 2175 1575 モルビックの形",
                        "Image1 120 240 945 900 morvick13", "Image2 1080 240 945 900 morvick23",
                        "sshape1(0) 480 1200 255 255  read as 丸いモルビック",
                        "sshape1(1) 1440 1200 255 255  read as 柱のように細長いモルビック"} +
                pots +
                QStringList{"okbutton 3480 2400 975 255 OK", "cancelbutton 4560 2400 975 255 END",
                            "Command1 4560 2400 975 255 CANCEL"});
        row("talking", "wordform",
            {"- 0 0 4470 2055  read as 話しかける", "sword(0) 120 120 4215 255 Option1",
             "sword(1) 120 480 4215 255 Option1", "sword(2) 120 840 4215 255 Option1",
             "sword(3) 120 1200 4215 255 Option1", "Command1 1680 1680 975 255 OK"});
        row("accessories", "acceform",
            {"- 0 0 2175 1335  read as 飾りをつける", "Image1 240 120 480 480 okan",
             "Image2 720 150 480 480 ribon", "Image3(0) 1200 120 480 480 flower2",
             "Image4(0) 1680 120 480 480 pale1", "acheck(0) 285 600 255 255  read as 王冠",
             "acheck(1) 795 600 255 255  read as リボン",
             "acheck(2) 1245 600 255 255  read as ブローチ",
             "acheck(3) 1725 600 255 255  read as 真珠のネックレス",
             "Command1 600 960 1095 255 OK"});
        row("pot", "tuboform",
            QStringList{"- 0 0 3375 1815  read as つぼの種類",
                        "cancelbutton 2280 1440 975 255 CANCEL", "okbutton 1200 1440 975 255 OK"} +
                QStringList(pots).replaceInStrings("2400 960 3135", "120 0 3135"));
        row("picture", "bmpform",
            {"- 0 0 5010 855  read as 背景の画像", "Label1 120 120 360 180 画像",
             "Text1 600 120 3375 270", "Command1 4080 120 855 255 参照",
             "Command3 1440 480 1095 255 OK", "Command2 2640 480 1095 255 CANCEL",
             "Command4 3840 480 1095 255 RESET|背景を元に戻します"});
        row("rotted", "overform",
            {"- 0 0 2895 840  read as お別れ",
             "Label1 120 120 2655 255 水のやりすぎで腐ってしまいました in wrapped",
             "Command1 960 480 975 255 END in default"});
        row("dried up", "overform2",
            {"- 0 0 2910 990  read as お別れ",
             "Label1 120 120 2655 375 あまりに水をやらなかったので、"
             "干からびてしまいました in wrapped",
             "Command1 960 600 975 255 END in default"});
        row("About", "aboutform",
            {"- 0 0 3015 1335  read as MORVICKについて", "Image1(0) 120 120 480 480 icon",
             "Image1(1) 2400 120 480 480 icon", "Label1 720 120 1575 375 MORVICK in 15.75pt bold",
             "Label3 1200 600 885 240 Ver. 1.41 in 12pt",
             "Command1 840 960 1335 255 OK in default"});
    }
    void everyWindowIsLaidOutAndDrawnAsDesigned()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, places);
        Game game({});
        QScopedPointer<QWidget> made(makeWindow(window, &game.main));
        QWidget& shown = made ? *made : game.main;
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        const auto [self, left, top, width, height, title] = placeOf(places.takeFirst());
        QCOMPARE(shown.objectName(), window);
        QCOMPARE(made ? shown.size() : game.main.centralWidget()->size(),
                 QSize(px(width), px(height)));
        QCOMPARE(shown.minimumSize(), shown.maximumSize());
        QCOMPARE(shownBy(&shown) + lookOf(&shown), title);
        QStringList tabbed;
        for (const QString& place : places) {
            const auto [name, left, top, width, height, content] = placeOf(place);
            QWidget* control = shown.findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            // The About labels grow to the right where the stand-in fonts are wider.
            const bool grows = window == "aboutform" && qobject_cast<const QLabel*>(control);
            const QSize size(px(width), px(height));
            QCOMPARE(control->geometry(),
                     QRect(QPoint(px(left), px(top)),
                           grows ? size.expandedTo(control->sizeHint()) : size));
            QCOMPARE(shownBy(control) + lookOf(control), content);
            if (control->focusPolicy() != Qt::NoFocus && control->isVisible())
                tabbed << name;
        }
        QStringList chain; // the order Tab reaches them in
        for (QWidget* next = shown.nextInFocusChain(); next != &shown;
             next = next->nextInFocusChain())
            if (tabbed.contains(next->objectName()))
                chain << next->objectName();
        QCOMPARE(chain, tabbed);
        // Names and paths show as typed, never as markup.
        for (const QLabel* label : shown.findChildren<QLabel*>())
            QVERIFY(label->textFormat() == Qt::PlainText && label->alignment() & Qt::AlignTop);
        QCOMPARE(picturesDrawnAmiss(shown, window == "tuboform" ? QColor(255, 132, 255) : QColor()),
                 QStringList());
        QCOMPARE(textsDrawnAmiss(shown), QStringList());
    }

    // Larger than the screen, a window shrinks as far as it lets itself and keeps inside.
    void aWindowKeepsToTheScreen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget game, wide, stiff;
        wide.resize(area.width() + 200, 100), stiff.resize(area.width() + 200, 50);
        stiff.setMinimumWidth(area.width() + 10);
        placeOnScreen(wide, area.bottomRight(), game);
        placeOnScreen(stiff, area.topLeft() - QPoint(0, 80), game);
        QCOMPARE(wide.geometry(), QRect(area.left(), area.bottom() - 99, area.width(), 100));
        QCOMPARE(stiff.geometry(), QRect(area.topLeft(), QSize(area.width() + 10, 50)));
    }

    // A session from the start: the windows that open answered in turn, the controls pressed in
    // turn ("close": the main window's close box, "touch": a click on the plant, "store gone" or
    // "store unwritable"), then each fact "what=value". What: a control of the main window (its
    // text, or its picture while shown) or its place ("at"), drawn amiss (its pictures that are not
    // as they should be), ai, draws (taken), sounds, ends, store (every key) or "stored" and a key;
    // or, of the windows that opened, as each opened: opened (where from the game's frame),
    // focused, offered (pictures, colours), options, ticked, buttons (visible, "-" when disabled),
    // typed, told (a message), and kept open (after its answer); windows apart by " / ".
    void aSessionGoesAsThePlayerExpects_data()
    {
        QTest::addColumn<Texts>("plant");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("facts");
        const auto row = [](const char* name, const Texts& plant, const QList<double>& draws,
                            const QStringList& presses, const QList<Answer>& answers,
                            const QStringList& facts) {
            QTest::newRow(name) << plant << draws << presses << answers << facts;
        };
        const Answer ok = clicks({"Command1"}), close;
        const QString wet = "ai=5 sshape2=2 sacce1=1", cross = "ai=-2 sei=1 swater=0";
        const auto level = [&](int after) {
            return plantWith(wet + " swater=" + QString::number(after + 1));
        };
        const auto colour = [](const char* name, Qt::Key key) -> Answer {
            return [name, key](QWidget& dialog) {
                dialog.findChild<QColorDialog*>()->setCurrentColor(QColor(name)), keys(key)(dialog);
            };
        };
        const QString played = "ai=4,bcolor=%1,days=5,lastday=46362,sacce1=0,sacce2=1,sacce3=0,"
                               "sacce4=0,seiword=1,smode=1,swater=7";
        const QString player = "ai=4 days=5 swater=10 sacce2=1 bcolor=255"; // speech unstored
        row("the start two days on (not lonely): round, 61 days, a male in all but a bow, blooming",
            plantWith("lastday=46360 days=59 sei=1 sacce1=1 sacce3=1 sacce4=1 swater=6 bcolor=255"),
            {0}, {}, {},
            {"okan at=35,10", "hana(0) at=16,24", "ribon at=33,48", "pale(0) at=34,60",
             "sshape1=morvick12", "sshape2=tubo1", "okan=okan", "ribon=-", "hana(0)=hana2",
             "pale(0)=pale2", "flower(0)=flower2", "agebox=61", "infobox=元気です",
             "smsgbox=", "Picture1=#ff0000", "draws=1", "drawn amiss="});
        row("the start: tall, 121 days, pot 3, a female wearing bow and necklace, thirsty",
            plantWith("sshape1=2 days=121 sshape2=3 sei=2 sacce2=1 sacce4=1 ai=10 swater=-7"), {0},
            {}, {},
            {"okan at=35,8", "hana(0) at=24,32", "ribon at=33,56", "pale(0) at=34,34",
             "sshape1=morvick23", "sshape2=tubo3", "okan=-", "ribon=ribon", "hana(0)=-",
             "pale(0)=pale1", "flower(0)=flower1", "agebox=121", "infobox=水分が不足しています",
             "smsgbox=喉が渇いているようです", "drawn amiss="});
        row("the start: unknown shape, pot and bow (2), a cross plant: none drawn",
            plantWith("sshape1=3 sshape2=4 days=-5 sacce2=2 ai=-1 swater=33"), {0}, {}, {},
            {"okan at=35,8", "hana(0) at=24,24", "ribon at=33,56", "pale(0) at=34,48",
             "sshape1=morvick2", "sshape2=tubo1", "ribon=-", "flower(0)=-", "agebox=-5",
             "infobox=水分が過剰です", "smsgbox=顔色が悪く、元気がありません", "draws=0"});
        row("first start, OK with every choice changed: the nine keys stored at once", {}, {}, {},
            {clicks({"sshape1(1)", "sshape2(2)", "Option1", "Option3", "okbutton"}, "a")},
            {"opened=firstform mid-screen", "focused=namebox", "buttons=OK- END", "namebox=a",
             "agebox=1", "sshape1=morvick2", "sshape2=tubo3",
             "store=days=1,lastday=46362,sei=1,seiword=2,smode=1,sname=a,sshape1=2,sshape2=3,"
             "swater=3"});
        row("first start: Esc and Enter do nothing, the close box: the default plant", {}, {}, {},
            {[](QWidget& setup) {
                clicks({}, QString(40000, 'n'))(setup), keys(Qt::Key_Escape)(setup),
                    keys(Qt::Key_Return)(setup);
            }},
            {"kept open=1", "ticked=Option2 Option4 sshape1(0) sshape2(0)",
             "store=", "namebox=ザボン", "agebox=0", "sshape1=morvick1"});
        row("dried up at the start: END deletes the plant", plantWith("swater=-28"), {}, {}, {ok},
            {"opened=overform2 mid-screen", "ends=0", "store="});
        row("three days away: lonely", plantWith("lastday=46359 ai=10 swater=10"), {}, {}, {},
            {"smsgbox=ザボンは、あなたがかまってあげなかったので寂しがっています", "ai=0",
             "agebox=3"});
        row("the door button stores the ten keys of play, with the colour chosen",
            plantWith(player), {}, {"mcolor", "mcolor", "Command1"},
            {colour("#010203", Qt::Key_Return), colour("#0000ff", Qt::Key_Escape)},
            {"opened=colourdialog over the game / colourdialog over the game",
             "offered=#ff0000 / #010203", "scrolls=0 / 0", "Picture1=#010203",
             "store=" + played.arg(197121), "ends=0"});
        row("watering up to -11", level(-11), {}, {"siikubutton1"}, {},
            {"infobox=水分が非常に不足しています", "smsgbox=乾いて、苦しそうです", "ai=6",
             "sounds=water", "stored swater=-10"});
        row("watering up to 20", level(20), {}, {"siikubutton1"}, {},
            {"infobox=水分が過剰です", "smsgbox=顔色が悪く、元気がありません", "ai=4",
             "stored swater=21"});
        row("watering up to 25: rotted, and END deletes the plant", level(25), {}, {"siikubutton1"},
            {ok},
            {"opened=overform at 100,72", "infobox=", "smsgbox=元気です", "sshape1=-", "okan=-",
             "sshape2=tubo2", "ai=5", "sounds=water", "ends=0", "store="});
        row("talking: a greeting, three drawn sentences, the name as typed; Enter says nothing",
            plantWith("sname=A&B seiword=2 ai=-5 swater=0"), {0.1, 0.9, 0.5}, {"siikubutton2"},
            {[](QWidget& talk) {
                talk.findChild<QWidget*>("sword(1)")->setFocus(), keys(Qt::Key_Return)(talk);
            }},
            {"opened=wordform at 100,28",
             "options=こんにちは、A&&B | A&&B、愛してるわ | A&&Bも私のこと・・・好き？ | "
             "貴方は私が守ってあげる",
             "ticked=sword(0)", "kept open=1", "ai=-5", "smsgbox=喉が渇いているようです"});
        row("saying a sentence below zero: no answer drawn, the line cleared", plantWith(cross), {},
            {"siikubutton2"}, {ok}, {"ai=-1", "smsgbox=", "draws=3"});
        row("saying a sentence at zero: an answer on a drawn 1", plantWith(cross + " ai=-1"),
            {0, 0, 0, 0.05, 0.95}, {"siikubutton2"}, {ok},
            {"ai=0", "smsgbox=照れているようです", "draws=5"});
        row("accessories: a bow pleases", plantWith("sei=2"), {}, {"siikubutton3"},
            {clicks({"acheck(1)", "Command1"})},
            {"opened=acceform at 100,60", "offered=okan ribon flower2 pale1", "ticked=", "okan=-",
             "ribon=ribon", "hana(0)=-", "pale(0)=-", "smsgbox=嬉しそうです", "ai=1",
             "sounds=bell"});
        row("accessories: the highest worn speaks", plantWith("sei=2 sacce1=1 sacce3=1"), {},
            {"siikubutton3"}, {clicks({"acheck(1)", "Command1"})},
            {"ticked=acheck(0) acheck(2)", "okan=okan", "ribon=ribon", "hana(0)=hana1", "pale(0)=-",
             "smsgbox=照れているようです"});
        row("accessories: closed without OK, then none left: the line stays",
            plantWith("sei=2 sacce1=1 sacce4=1"), {}, {"siikubutton3", "siikubutton3"},
            {clicks({"acheck(0)", "acheck(1)"}), clicks({"acheck(0)", "acheck(3)", "Command1"})},
            {"ticked=acheck(0) acheck(3) / acheck(0) acheck(3)", "okan=-", "ribon=-", "pale(0)=-",
             "smsgbox=喉が渇いているようです", "ai=1", "sounds=bell"});
        row("accessories: a male wears his own", plantWith("sei=1"), {}, {"siikubutton3"},
            {clicks({"acheck(2)", "acheck(3)", "Command1"})},
            {"offered=okan ribon hana2 pale2", "hana(0)=hana2", "pale(0)=pale2",
             "smsgbox=ちょっと自慢気にしています"});
        row("a touch: a prick on 1..7", plantWith(cross), {0.65}, {"touch"}, {},
            {"smsgbox=チクチクします", "ai=-1", "draws=1"});
        row("the pot window: OK on pot 3, stored at once", plantWith(wet), {}, {"mtubo"},
            {clicks({"sshape2(2)", "okbutton"})},
            {"opened=tuboform at 100,38", "focused=cancelbutton", "ticked=sshape2(0)",
             "sshape2=tubo3", "sounds=pot", "stored sshape2=3", "drawn amiss="});
        row("the pot window: Enter on CANCEL (focused), Esc, OK on the first pot", plantWith(wet),
            {}, {"mtubo", "mtubo", "mtubo"},
            {keys(Qt::Key_Return), keys(Qt::Key_Escape), clicks({"okbutton"})},
            {"kept open=0 / 0 / 0", "sshape2=tubo1", "sounds=pot", "stored sshape2=1"});
        row("the picture window: OK on a picture, its path stored whole", plantWith(""), {},
            {"store gone", "mbmp"}, {clicks({"Command3"}, "pic.png")},
            {"buttons=参照 OK- CANCEL RESET", "focused=Text1", "Picture1=#00ff00",
             "stored bmpdir=%1/pic.png", "stored lastday=46362"});
        row("the picture window: a picture chosen in the file window, every kind offered first",
            plantWith(""), {}, {"mbmp"},
            {clicks({"Command1", "Command3"}),
             [](QWidget& files) {
                 static_cast<QFileDialog&>(files).selectFile("pic.png"),
                     static_cast<QDialog&>(files).accept();
             }},
            {"filters=画像ファイル (*.bmp *.gif *.ico *.jpeg *.jpg *.png, then "
             "BMP(*.bmp) GIF(*.gif) JPEG(*.jpg) ICON(*.ico)",
             "stored bmpdir=%1/pic.png"});
        row("the picture window: Esc is CANCEL, the picture kept", plantWith("bmpdir=pic.png"), {},
            {"mbmp"}, {[](QWidget& bmp) { clicks({}, "x")(bmp), keys(Qt::Key_Escape)(bmp); }},
            {"kept open=0", "Picture1=#00ff00", "stored bmpdir=pic.png"});
        row("the picture window: RESET", plantWith("bmpdir=pic.png"), {}, {"store gone", "mbmp"},
            {clicks({"Command4"})},
            {"typed=pic.png", "buttons=参照 OK CANCEL RESET", "Picture1=#ff80ff",
             "stored bmpdir=", "stored lastday=46362"});
        row("a new plant given up: the old one stays whole, its picture forgotten",
            plantWith("bmpdir=pic.png"), {}, {"store gone", "mnew"}, {close},
            {"stored lastday=46362", "stored bmpdir="});
        row("a new plant: Esc keeps the typed name, the close box forgets it, OK replaces it",
            plantWith("sname=old days=9 sacce1=1 sacce4=1 bmpdir=x"), {},
            {"mnew", "mnew", "mnew", "mnew"},
            {[](QWidget& setup) { clicks({}, "new")(setup), keys(Qt::Key_Escape)(setup); }, close,
             close, clicks({"sshape2(1)", "okbutton"}, "new")},
            {"opened=firstform over the game / firstform over the game / firstform over the game / "
             "firstform over the game",
             "typed= / new /  / ", "buttons=OK- CANCEL / OK CANCEL / OK- CANCEL / OK- CANCEL",
             "namebox=new", "agebox=1", "sshape2=tubo2", "okan=-", "pale(0)=-",
             "store=days=1,lastday=46362,sei=2,seiword=1,smode=1,sname=new,sshape1=1,sshape2=2,"
             "swater=3"});
        row("About: one window, a letter and Esc leave it open, Enter closes it", plantWith(""), {},
            {"mabout", "mabout"}, {keys(QKeySequence("A, Esc")), keys(Qt::Key_Return)},
            {"kept open=1 / 0", "kept windows=1"});
        row("a failed save is told once, naming the file and why, and play goes on", plantWith(""),
            {}, {"store unwritable", "mtubo", "mtubo"},
            {clicks({"sshape2(1)", "okbutton"}), close, clicks({"okbutton"})},
            {"opened=tuboform at 100,38 / savefailure over the game / tuboform at 100,38",
             "told=モルビックのようすを保存できませんでした。\n\n%"
             "2\n書き込みが許可されていません。",
             "sshape2=tubo1", "sounds=pot pot"});
    }
    void aSessionGoesAsThePlayerExpects()
    {
        QFETCH(Texts, plant);
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, presses);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, facts);
        QTemporaryDir folder; // where a picture lies, and paths are typed from
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(folder.filePath("pic.png")));
        const QString home = QDir::currentPath();
        QDir::setCurrent(folder.path());
        Game game(plant);
        game.draws = draws;
        QMap<QString, QStringList> seen; // of each window that opened, as it opened
        int next = 0;
        const Answer look = [&](QWidget& window) {
            (void)QTest::qWaitFor([&] { return window.focusWidget(); }, 1000); // as it activates
            for (const auto& [what, value] : factsOf(window, game.main).asKeyValueRange())
                seen[what] << value;
            const QPointer<QWidget> open(&window);
            if (const Answer answer = answers.value(next++))
                answer(window);
            seen["kept open"] << QString::number(open && open->isVisible());
        };
        const QList<Answer> looks(answers.size() + 2, look); // and a window or two unanswered
        game.start(looks);
        if (!presses.isEmpty() && game.shows("smsgbox").isEmpty()) // a line that may stay
            game.main.findChild<QLabel*>("smsgbox")->setText("元気です");
        answerModals(
            [&] {
                for (const QString& press : presses)
                    if (press == "close")
                        game.main.close();
                    else if (press == "touch")
                        QTest::mouseClick(game.main.windowHandle(), Qt::LeftButton, {},
                                          game.at("sshape1"));
                    else if (press.startsWith("store "))
                        QVERIFY(QFile::remove(QSettings().fileName()) &&
                                (press == "store gone" || QDir().mkpath(QSettings().fileName())));
                    else
                        game.trigger(press);
            },
            looks);
        QDir::setCurrent(home);
        QStringList sounds;
        for (const Sound sound : game.sound.played)
            sounds << QStringList{"water", "bell", "pot"}.at(int(sound));
        const QMap<QString, QString> known{
            {"ai", QString::number(game.main.plant().ai)},
            {"draws", QString::number(game.drawsTaken)},
            {"kept windows", QString::number(game.main.findChildren<QDialog*>().size())},
            {"ends", QString::number(game.ends.value(0, -1))},
            {"sounds", sounds.join(' ')},
            {"store", storedPairs().join(',')},
            {"drawn amiss", picturesDrawnAmiss(game.main).join(' ')}};
        for (QString fact : facts) {
            const QString what = fact.section('=', 0, 0);
            QWidget* const control = game.main.findChild<QWidget*>(what.section(' ', 0, 0));
            const QString value = known.contains(what)                      ? known[what]
                                  : seen.contains(what) || what == "opened" ? seen[what].join(" / ")
                                  : what.startsWith("stored ")
                                      ? QSettings().value("setting/" + what.mid(7)).toString()
                                  : what.endsWith(" at")
                                      ? QString("%1,%2").arg(control->x()).arg(control->y())
                                  : qobject_cast<PlantScene*>(control) ? shownBy(control)
                                                                       : game.shows(what);
            QCOMPARE(what + '=' + value,
                     fact.replace("%1", folder.path()).replace("%2", QSettings().fileName()));
        }
    }

    // Reached by Tab, the plant is framed with dots; Space or Enter touches it as the mouse does, a
    // double click once. The message line is a balloon: it stays over the plant, not the scene.
    void theKeyboardAndTheMouseTouchThePlant()
    {
        Game game(plantWith("ai=-5 swater=0 bcolor=8421504")); // grey, dots to lighten or darken
        game.start();
        auto* scene = game.main.findChild<QWidget*>("Picture1");
        const auto edges = [&] { // how each edge is drawn, away from the corners
            const QImage drawn =
                onScreen(game.main).copy(QRect(scene->mapTo(&game.main, QPoint()), scene->size()));
            QStringList looks;
            for (const QRect edge : {QRect(1, 4, 1, 9), QRect(drawn.width() - 2, 4, 1, 9),
                                     QRect(4, 1, 9, 1), QRect(4, drawn.height() - 2, 9, 1)}) {
                QSet<QRgb> inks; // white dots on the scene's mid grey, or the grey alone
                for (int i = 0; i < 9; ++i)
                    inks << drawn.pixel(edge.topLeft() +
                                        QPoint(i % edge.width(), i % edge.height()));
                looks << (inks == QSet<QRgb>{0xffffffff, 0xff808080} ? "dotted"
                          : inks == QSet<QRgb>{0xff808080}           ? "bare"
                                                                     : "amiss");
            }
            return looks.join(' ');
        };
        scene->setFocus(Qt::MouseFocusReason); // a click's focus is not framed
        QCOMPARE(edges(), "bare bare bare bare");
        scene->clearFocus(), scene->setFocus(Qt::BacktabFocusReason); // Shift+Tab, as Tab
        QCOMPARE(edges(), "dotted dotted dotted dotted");
        QTest::mouseMove(game.main.windowHandle(), game.at("sshape1"));
        QStringList said{game.shows("smsgbox")};
        game.draws = {0.95, 0.75, 0.95, 0.05};
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A})
            QTest::keyClick(scene, key), said << game.shows("smsgbox");
        QTest::mouseDClick(game.main.windowHandle(), Qt::LeftButton, {}, game.at("sshape1"));
        said << game.shows("smsgbox");
        QTest::mouseMove(game.main.windowHandle(), game.at("Picture1"));
        said << game.shows("smsgbox");
        QCOMPARE(said, QStringList({"喉が渇いているようです", "恥ずかしがっています",
                                    "眠っているようです", "眠っているようです",
                                    "恥ずかしがっています", ""}));
        QCOMPARE(int(game.main.plant().ai), -2);
        game.main.findChild<QWidget*>("siikubutton1")->setFocus(); // the frame goes with the focus
        QCOMPARE(edges(), "bare bare bare bare");
    }
};

MORVICK_TEST_MAIN(QApplication, TestWindows)
#include "test_windows.moc"
