// The game in each of its languages: which one a user gets, every text whole
// in its place, long names shortened, and a translation that keeps up with the code.
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

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

Q_DECLARE_METATYPE(Language)

namespace {
/* whether the label's text, drawn again with room to spare below and (unless it
   wraps) beside it, leaves no ink outside the label's own rectangle */
bool drawsWhole(const QLabel& label)
{
    const QSize room = label.contentsRect().size(), spare(label.wordWrap() ? 0 : 100, 100);
    QLabel roomy(label.text());
    roomy.setFont(label.font());
    roomy.setWordWrap(label.wordWrap());
    roomy.setAlignment(label.alignment());
    roomy.setAutoFillBackground(true);
    roomy.setPalette(QPalette(Qt::black, Qt::white));
    roomy.resize(room + spare);
    const QImage drawn = roomy.grab().toImage();
    const QRect own(QPoint(label.alignment() & Qt::AlignRight ? spare.width() : 0, 0), room);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (!own.contains(x, y) && qGray(drawn.pixel(x, y)) < 160)
                return false;
    return true;
}

/* a caption as drawn: "&&" is an ampersand, a single "&" marks the shortcut key */
QString shownCaption(QString caption)
{
    return caption.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

/* whether a button's caption fits where its style draws it */
bool captionFits(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle::SubElement contents =
        qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
        : qobject_cast<const QCheckBox*>(&button)  ? QStyle::SE_CheckBoxContents
                                                   : QStyle::SE_PushButtonContents;
    return button.text().isEmpty() ||
           button.fontMetrics().horizontalAdvance(shownCaption(button.text())) <=
               button.style()->subElementRect(contents, &option, &button).width();
}

/* the window's own texts that are cut off or overflow their controls */
QStringList cutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        bool fits = control->window() != &window; // another window's: looked at on its own
        QString text = control->property("text").toString();
        if (auto* label = qobject_cast<const QLabel*>(control))
            fits = fits || drawsWhole(*label);
        else if (auto* button = qobject_cast<const QAbstractButton*>(control))
            fits = fits || captionFits(*button);
        else if (auto* frame = qobject_cast<const QGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            fits = fits || frame->style()
                                   ->subControlRect(QStyle::CC_GroupBox, &option,
                                                    QStyle::SC_GroupBoxLabel, frame)
                                   .right() < frame->width();
        } else if (auto* bar = qobject_cast<const QMenuBar*>(control)) {
            for (QAction* menu : bar->actions())
                fits = fits || bar->rect().contains(bar->actionGeometry(menu)),
                text += menu->text();
        } else
            fits = true;
        if (!fits)
            cut << window.objectName() + '/' + control->objectName() + ": " + text;
    }
    return cut;
}

/* every line the plant can say in the message line */
QStringList remarks()
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
    return said;
}
} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init() { storeTexts(plantWith({})); }

    void theFirstOfTheUsersLanguagesThatTheGameSpeaksWins_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<Language>("spoken");
        QTest::newRow("English") << QStringList{"en-US", "en-Latn-US", "en"} << Language::English;
        QTest::newRow("British English") << QStringList{"en_GB"} << Language::English;
        QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << Language::Japanese;
        QTest::newRow("Japanese before English") << QStringList{"ja", "en"} << Language::Japanese;
        QTest::newRow("French, then English")
            << QStringList{"fr", "fr-FR", "EN"} << Language::English;
        QTest::newRow("French alone") << QStringList{"fr-FR", "fr"} << Language::Japanese;
        QTest::newRow("C") << QStringList{"C"} << Language::Japanese;
    }
    void theFirstOfTheUsersLanguagesThatTheGameSpeaksWins()
    {
        QFETCH(QStringList, wanted);
        QTEST(chooseLanguage(wanted), "spoken");
    }

    // The whole way from the environment to the first window, as the game starts.
    void theGameSpeaksTheLanguageItsUserAsksFor_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("setupWindow");
        QTest::newRow("LANG English") << QStringList{"LANG=en_US.UTF-8"} << "New morvick";
        QTest::newRow("LANGUAGE Japanese, then English")
            << QStringList{"LANGUAGE=ja:en", "LANG=en_US.UTF-8"} << "新しいモルビック";
        QTest::newRow("LC_MESSAGES English")
            << QStringList{"LC_MESSAGES=en_GB.UTF-8", "LANG=ja_JP.UTF-8"} << "New morvick";
        QTest::newRow("LANG French") << QStringList{"LANG=fr_FR.UTF-8"} << "新しいモルビック";
    }
    void theGameSpeaksTheLanguageItsUserAsksFor()
    {
        QFETCH(QStringList, environment);
        storeTexts({});
        QProcess game; // the test's own language is C
        game.setEnvironment(QProcess::systemEnvironment() + environment);
        game.start(builtGameFolder + "/morvick_harness", {"--today", "2026-12-06"});
        QString shown;
        while (!shown.startsWith("shown firstform") &&
               (game.canReadLine() || game.waitForReadyRead(30000)))
            shown = QString::fromUtf8(game.readLine()).trimmed();
        game.kill();
        game.waitForFinished();
        QTEST(shown.section(" name=", 1), "setupWindow");
    }

    // Every window, every remark and status, every sentence with the name a plant
    // has until it is named; Qt's own buttons speak the game's language too.
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
        Game game(plantWith({}));
        game.start();
        QStringList cut;
        auto* fromTheMenu = new FirstForm(&game.main);
        fromTheMenu->offerCancel();
        auto* talk = new WordForm(&game.main);
        for (QWidget* window : QList<QWidget*>{
                 new FirstForm(&game.main), fromTheMenu, talk, new AcceForm(&game.main),
                 new TuboForm(&game.main), new BmpForm(&game.main),
                 new OverForm(OverForm::Cause::Rotted, &game.main),
                 new OverForm(OverForm::Cause::DriedUp, &game.main), new AboutForm(&game.main)})
            window->show(), cut << cutTexts(*window);
        auto* line = game.main.findChild<QLabel*>("smsgbox");
        for (const QString& remark : remarks())
            line->setText(remark), cut << cutTexts(game.main);
        for (const int level : {-20, -5, 5, 40})
            game.main.findChild<QLabel*>("infobox")->setText(waterStatusAtStart(level).info),
                cut << cutTexts(game.main);
        const QString name = game.main.plant().sname;
        for (const int ai : {5, 50}) {
            PlantState away;
            away.ai = ai;
            showFittedSentence(*line, dailyCheck(away, 3).message, name);
            QVERIFY(line->text().contains(name));
            cut << cutTexts(game.main);
        }
        for (const int seiword : {1, 2})
            for (int draw = 1; draw <= 3; ++draw) {
                const std::array<QString, 4> sentences{
                    greeting(6 * draw), talkSentence(1, draw, seiword),
                    talkSentence(2, draw, seiword), talkSentence(3, draw, seiword)};
                talk->intoword(sentences, name);
                QCOMPARE(talk->findChild<QRadioButton*>("sword(3)")->text(),
                         withName(sentences[3], name));
                cut << cutTexts(*talk);
            }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QColorDialog colours;
        colours.setOption(QColorDialog::DontUseNativeDialog);
        QTEST(shownCaption(
                  colours.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text()),
              "cancel");
    }

    // Cut mid-letter, a name would look like a fault; one that ends in an ellipsis says it is
    // longer.
    void aLongNameEndsInAnEllipsisAndStaysWholeInTheTip()
    {
        const QString name = "Opuntia" + QString(60, 'x') + "End";
        Game game({{"smode", "1"}, {"lastday", "46350"}, {"sname", name}, {"swater", "9"}});
        game.world.hour = 8;
        game.start();
        WordForm talk(nullptr);
        talk.intoword(
            {greeting(8), talkSentence(1, 1, 1), talkSentence(1, 2, 1), talkSentence(2, 1, 1)},
            name);
        talk.show();
        for (QWidget* control : QList<QWidget*>{game.main.findChild<QLabel*>("namebox"),
                                                game.main.findChild<QLabel*>("smsgbox"),
                                                talk.findChild<QRadioButton*>("sword(0)"),
                                                talk.findChild<QRadioButton*>("sword(3)")}) {
            const QString shown = control->property("text").toString();
            QVERIFY2(shown.contains("Opuntiaxx") && shown.contains(QChar(0x2026)) &&
                         !shown.contains("End"),
                     qPrintable(shown));
            QVERIFY(control->accessibleName().contains(name) && control->toolTip().contains(name));
        }
        // The sentence around the name stays whole; a name that fits is shown as it is, with no
        // tip.
        QVERIFY(talk.findChild<QRadioButton*>("sword(0)")->text().startsWith("おはよう、Opuntia"));
        QVERIFY(game.shows("smsgbox").endsWith("は、すっかりご機嫌斜めです"));
        QCOMPARE(cutTexts(game.main) + cutTexts(talk), QStringList());
        talk.intoword({greeting(8), {}, {}, {}}, "Zabon");
        QCOMPARE(talk.findChild<QRadioButton*>("sword(0)")->text() +
                     talk.findChild<QRadioButton*>("sword(0)")->toolTip(),
                 "おはよう、Zabon");
    }

    // Every text the code holds has its finished translation: lupdate finds nothing new.
    void theEnglishTranslationKeepsUpWithTheCode()
    {
        QTemporaryDir folder;
        const QString copy = folder.filePath("morvick_en.ts");
        QVERIFY(QFile::copy(MORVICK_SOURCE_DIR "/translations/morvick_en.ts", copy));
        QProcess lupdate;
        lupdate.start(MORVICK_LUPDATE,
                      {"-locations", "none", "-no-obsolete", MORVICK_SOURCE_DIR "/rules",
                       MORVICK_SOURCE_DIR "/platform", MORVICK_SOURCE_DIR "/ui",
                       MORVICK_SOURCE_DIR "/app", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QFile updated(copy);
        QVERIFY(updated.open(QIODevice::ReadOnly));
        const QByteArray text = updated.readAll();
        QVERIFY(text.count("<message>") > 100);
        QVERIFY2(!text.contains("type=\"unfinished\""), "a text without its English translation");
    }
};

MORVICK_TEST_MAIN(QApplication, TestLanguages)
#include "test_languages.moc"
