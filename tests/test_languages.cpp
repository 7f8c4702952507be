// The game in each of its languages: who gets which, every text whole, the translation kept up.
#include "game.h"
#include "rules/accessories.h"
#include "rules/dailycheck.h"
#include "rules/talk.h"
#include "rules/touch.h"
#include "ui/aboutform.h"
#include "ui/acceform.h"
#include "ui/bmpform.h"
#include "ui/firstform.h"
#include "ui/fittedname.h"
#include "ui/overform.h"
#include "ui/translations.h"
#include "ui/tuboform.h"
#include "ui/wordform.h"

#include <QtWidgets>

/* whether the control's text fits where its style draws it ("&" marks a shortcut key) */
static bool fits(const QWidget& control)
{
    // Drawn again with room to spare below and (unless it wraps) beside it: no ink outside.
    if (auto* label = qobject_cast<const QLabel*>(&control)) {
        const QSize room = label->contentsRect().size(), spare(label->wordWrap() ? 0 : 100, 100);
        QLabel roomy(label->text());
        roomy.setFont(label->font());
        roomy.setWordWrap(label->wordWrap());
        roomy.setAlignment(label->alignment());
        roomy.setStyleSheet("background: white; color: black");
        roomy.resize(room + spare);
        const QRect own(QPoint(label->alignment() & Qt::AlignRight ? spare.width() : 0, 0), room);
        QImage drawn = roomy.grab().toImage();
        QPainter(&drawn).fillRect(own, Qt::white); // the label's own place blanked out
        const auto* pixels = reinterpret_cast<const QRgb*>(drawn.constBits());
        return std::all_of(pixels, pixels + drawn.width() * drawn.height(),
                           [](QRgb pixel) { return qGray(pixel) >= 160; });
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto contents = qobject_cast<const QPushButton*>(button)
                                  ? QStyle::SE_PushButtonContents
                                  : QStyle::SE_RadioButtonContents; // beside its mark
        return button->text().isEmpty() ||
               button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) <=
                   button->style()->subElementRect(contents, &option, button).width();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return frame->style()
                   ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                   .right() < frame->width();
    }
    if (auto* bar = qobject_cast<const QMenuBar*>(&control))
        for (QAction* menu : bar->actions())
            if (!bar->rect().contains(bar->actionGeometry(menu)))
                return false;
    return true;
}

/* the window's own texts cut off, controls a screen reader cannot name, and in English its (or
   its menus') texts left in Japanese */
static QStringList faultyTexts(QWidget& window, Language language)
{
    static const QRegularExpression japanese("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]");
    QStringList faults;
    const QObjectList parts = window.findChildren<QObject*>() << &window;
    for (const QObject* part : parts) {
        const QString where = window.objectName() + '/' + part->objectName();
        if (auto* menu = qobject_cast<const QMenu*>(part); // Qt's own overflow menu is untitled
            menu && !menu->title().isEmpty() &&
            menu->menuAction()->objectName() != menu->objectName())
            faults << where + " a menu without its name: " + menu->title();
        if (auto* control = qobject_cast<const QWidget*>(part);
            control && control->window() == &window) {
            // Unnamed, an option is read by its frame's title, the same for every option in it.
            const auto* frame = qobject_cast<const QGroupBox*>(part->parent());
            const QString name =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))
                    ->text(QAccessible::Name);
            if (!fits(*control)) // others on their own
                faults << where + " cut: " + control->property("text").toString();
            if (control->isVisible() && control->focusPolicy() != Qt::NoFocus &&
                (name.isEmpty() ||
                 (frame && qobject_cast<const QAbstractButton*>(part) && name == frame->title())))
                faults << where + " unnamed for a reader";
        }
        for (const char* property :
             {"text", "title", "windowTitle", "toolTip", "accessibleName", "accessibleDescription"})
            if (const QString text = part->property(property).toString();
                language == Language::English && text.contains(japanese))
                faults << where + '.' + property + " in Japanese: " + text;
    }
    return faults;
}

/* every line the plant can say in the message line, the moods after an absence with its name */
static QStringList remarks()
{
    PlantState plant;
    QStringList said{*wearAccessories(plant, {true, true, true, true}).message};
    for (int draw = 1; draw <= 10; ++draw)
        for (const int sei : {1, 2})
            said << touchRemark(draw, sei) << reactionLine(draw, sei)
                 << accessoryRemark(std::min(draw, 4));
    for (const int level : {-20, -5, 40})
        said << *waterStatusAtStart(level).message;
    said << water(plant).status->message.value();
    PlantState cross, lonely;
    cross.ai = 5, lonely.ai = 50;
    said << dailyCheck(cross, 3).message << dailyCheck(lonely, 3).message;
    return said;
}

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    // The whole way from the environment to the first window, as the game starts.
    void theFirstOfTheUsersLanguagesThatTheGameSpeaksWins_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("setupWindow");
        QTest::newRow("LC_ALL, LANG") << QStringList{"LC_ALL=en_GB", "LANG=ja_JP"} << "New morvick";
        QTest::newRow("fr:en") << QStringList{"LANGUAGE=fr:en", "LANG=fr_FR"} << "New morvick";
        QTest::newRow("fr alone") << QStringList{"LANG=fr_FR"} << "新しいモルビック";
        QTest::newRow("ja:en") << QStringList{"LANGUAGE=ja:en", "LANG=en_US"} << "新しいモルビック";
    }
    void theFirstOfTheUsersLanguagesThatTheGameSpeaksWins()
    {
        QFETCH(QStringList, environment);
        QProcess game; // the test's own language is C
        game.setEnvironment(QProcess::systemEnvironment() + environment);
        game.start(builtGameFolder + "/morvick_harness",
                   {"--today", "2026-12-06", "--click", "firstform:cancelbutton"});
        QVERIFY(game.waitForFinished(30000));
        QTEST(QString(game.readAll()).section(" name=", 1).section('\n', 0, 0), "setupWindow");
    }

    // Every window, remark, status and sentence whole; Qt's own buttons in the game's language.
    void everyTextShowsWhole_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Japanese") << Language::Japanese << "キャンセル";
        QTest::newRow("English") << Language::English << "Cancel";
    }
    void everyTextShowsWhole()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        const QString longName = "Opuntia" + QString("🌵a").repeated(30) + "End";
        Game game(plantWith("lastday=46350 swater=9 sname=" + longName));
        game.start(); // after twelve days away
        auto* line = game.main.findChild<QLabel*>("smsgbox");
        auto* talk = new WordForm(&game.main);
        talk->intoword({"a", "b", "c", talkSentence(2, 1, 2)}, longName);
        // Not cut mid-letter like a fault: an ellipsis, the rest whole, the name whole in the tip.
        const QRegularExpression shortened("Opuntia(🌵|a)+\\x{2026}");
        for (QWidget* control : QList<QWidget*>{game.main.findChild<QLabel*>("namebox"), line,
                                                talk->findChild<QRadioButton*>("sword(3)")}) {
            QString shown = control->property("text").toString();
            QVERIFY(shown.contains(shortened) && control->toolTip().contains(longName));
            QCOMPARE(shown.replace(shortened, longName), control->accessibleName());
        }
        QStringList faults;
        auto* hisAccessories = new AcceForm(&game.main); // a male's brooch and necklace
        hisAccessories->showPictures(accessoryWindowPictures(1));
        if (language == Language::English) // one help file for each process, as in the game
            game.trigger("mhepl1"), faults << faultyTexts(*helpWindow(), language);
        for (QWidget* window : QList<QWidget*>{
                 new FirstForm(&game.main), talk, new AcceForm(&game.main), hisAccessories,
                 new TuboForm(&game.main), new BmpForm(&game.main),
                 new OverForm(OverForm::Cause::Rotted, &game.main),
                 new OverForm(OverForm::Cause::DriedUp, &game.main), new AboutForm(&game.main)})
            window->show(), faults << faultyTexts(*window, language);
        const QString name = QCoreApplication::translate("Store", "ザボン"); // until it is named
        for (const QString& remark : remarks()) {
            showFittedSentence(*line, remark, name);
            QVERIFY(!remark.isEmpty() && line->text() + line->toolTip() == withName(remark, name));
            faults << faultyTexts(game.main, language);
        }
        for (const int level : {-20, -5, 5, 40})
            game.main.findChild<QLabel*>("infobox")->setText(waterStatusAtStart(level).info),
                faults << faultyTexts(game.main, language);
        for (int hour = 0; hour < 24; ++hour) { // and along the way every draw in both styles
            PlantState plant;
            plant.shour = hour, plant.seiword = hour % 2 + 1;
            const auto sentences = talkSentences(plant, [hour] { return (hour % 3 + 0.5) / 3; });
            talk->intoword(sentences, name);
            auto* last = talk->findChild<QRadioButton*>("sword(3)");
            QCOMPARE(last->text() + last->toolTip(), withName(sentences[3], name));
            faults << faultyTexts(*talk, language);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QColorDialog colours;
        colours.setOption(QColorDialog::DontUseNativeDialog);
        auto* cancel = colours.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        QTEST(cancel->text().remove('&'), "cancel");
    }
};

MORVICK_TEST_MAIN(QApplication, TestLanguages)
#include "test_languages.moc"
