// The game in each of its languages: which one a user gets, every text whole
// in its place, and a translation that keeps up with the code.
#include "rules/accessories.h"
#include "rules/dailycheck.h"
#include "rules/talk.h"
#include "rules/touch.h"
#include "testenv.h"
#include "ui/aboutform.h"
#include "ui/acceform.h"
#include "ui/bmpform.h"
#include "ui/firstform.h"
#include "ui/fittedname.h"
#include "ui/mainform.h"
#include "ui/overform.h"
#include "ui/translations.h"
#include "ui/tuboform.h"
#include "ui/wordform.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

Q_DECLARE_METATYPE(Language)

namespace {
/* whether the label draws all its text inside its rectangle: drawn again with
   room to spare below it and, unless it wraps, beside it, no ink shows beyond */
bool drawsWhole(const QLabel& label)
{
    const QRect room = label.contentsRect();
    const int spare = 100, besideSpare = label.wordWrap() ? 0 : spare;
    QLabel roomy;
    roomy.setFont(label.font());
    roomy.setTextFormat(label.textFormat());
    roomy.setWordWrap(label.wordWrap());
    roomy.setAlignment(label.alignment());
    roomy.setText(label.text());
    roomy.setAutoFillBackground(true);
    roomy.setPalette(QPalette(Qt::black, Qt::white));
    roomy.resize(room.size() + QSize(besideSpare, spare));
    const QImage drawn = roomy.grab().toImage();
    // Where the label's own rectangle lies in the roomy one.
    const int left = label.alignment() & Qt::AlignRight     ? besideSpare
                     : label.alignment() & Qt::AlignHCenter ? besideSpare / 2
                                                            : 0;
    const QRect own(QPoint(left, 0), room.size());
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (!own.contains(x, y) && qGray(drawn.pixel(x, y)) < 160)
                return false;
    return true;
}

/* a caption as it is drawn: "&&" is an ampersand, a single "&" marks the shortcut key */
QString shownCaption(QString caption)
{
    return caption.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

/* how wide a button may draw its caption, as its style lays it out */
int captionRoom(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle::SubElement contents =
        qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
        : qobject_cast<const QCheckBox*>(&button)  ? QStyle::SE_CheckBoxContents
                                                   : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(contents, &option, &button).width();
}

/* what of the window's texts is cut off, overflows or is elided, one line each */
QStringList cutTexts(const QWidget& window)
{
    QStringList cut;
    const auto check = [&](const QWidget* control, const QString& text, bool fits) {
        if (!fits)
            cut << window.objectName() + '/' + control->objectName() + ": " + text;
    };
    // Only the window's own controls, not those of the windows it owns.
    const auto own = [&window](auto* control) { return control->window() == &window; };
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (own(label))
            check(label, label->text(), drawsWhole(*label));
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString caption = shownCaption(button->text());
        if (own(button) && !caption.isEmpty())
            check(button, caption,
                  button->fontMetrics().horizontalAdvance(caption) <= captionRoom(*button));
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (!own(frame))
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        check(frame, frame->title(), title.right() < frame->width());
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            check(bar, menu->text(), bar->rect().contains(bar->actionGeometry(menu)));
    return cut;
}

/* every water status, as the plant is drawn and as it is watered */
QList<WaterStatus> waterStatuses()
{
    QList<WaterStatus> statuses;
    PlantState plant;
    for (const int level : {-20, -5, 5, 40}) {
        statuses << waterStatusAtStart(level);
        plant.swater = level - 2;
        if (const auto watered = water(plant).status)
            statuses << *watered;
    }
    return statuses;
}

/* every line the plant can say in the message line */
QStringList remarks()
{
    QStringList said;
    for (int draw = 1; draw <= 10; ++draw)
        for (const int sei : {1, 2})
            said << touchRemark(draw, sei) << reactionLine(draw, sei);
    for (int slot = 1; slot <= accessorySlots; ++slot)
        said << accessoryRemark(slot);
    PlantState plant;
    said << *wearAccessories(plant, {true, true, true, true}).message;
    for (const WaterStatus& status : waterStatuses())
        said << status.message.value_or(QString());
    said.removeAll(QString());
    return said;
}
} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useGothicFont(); }
    void init() { storeTexts({{"smode", "1"}, {"lastday", "46362"}}); }

    void theFirstOfTheUsersLanguagesThatTheGameSpeaksWins_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<Language>("spoken");
        QTest::newRow("English") << QStringList{"en-US", "en-Latn-US", "en"} << Language::English;
        QTest::newRow("British English") << QStringList{"en_GB"} << Language::English;
        QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << Language::Japanese;
        QTest::newRow("Japanese before English") << QStringList{"ja", "en"} << Language::Japanese;
        QTest::newRow("French, then English")
            << QStringList{"fr", "fr-FR", "en"} << Language::English;
        QTest::newRow("French alone") << QStringList{"fr-FR", "fr"} << Language::Japanese;
        QTest::newRow("C") << QStringList{"C"} << Language::Japanese;
        QTest::newRow("nothing") << QStringList{} << Language::Japanese;
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
        QTest::newRow("LANG C") << QStringList{"LANG=C"} << "新しいモルビック";
        QTest::newRow("LANG French") << QStringList{"LANG=fr_FR.UTF-8"} << "新しいモルビック";
    }
    void theGameSpeaksTheLanguageItsUserAsksFor()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, setupWindow);
        storeTexts({});
        QProcess game;
        QStringList variables = QProcess::systemEnvironment();
        variables.removeIf([](const QString& variable) {
            return QRegularExpression("^(LANGUAGE|LC_ALL|LC_MESSAGES|LANG)=")
                .match(variable)
                .hasMatch();
        });
        game.setEnvironment(variables + environment);
        game.start(builtGameFolder + "/morvick_harness", {"--today", "2026-12-06"});
        QString shown;
        while (!shown.startsWith("shown firstform") && game.waitForReadyRead(30000))
            while (game.canReadLine() && !shown.startsWith("shown firstform"))
                shown = QString::fromUtf8(game.readLine()).trimmed();
        game.kill();
        game.waitForFinished();
        QCOMPARE(shown.section(" name=", 1), setupWindow);
    }

    // Qt's own buttons follow the game: Japanese from Qt's translations, English of themselves.
    void QtsDialogsSpeakTheGamesLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Japanese") << Language::Japanese << "キャンセル";
        QTest::newRow("English") << Language::English << "Cancel";
    }
    void QtsDialogsSpeakTheGamesLanguage()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        QColorDialog dialog;
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QTEST(shownCaption(buttons->button(QDialogButtonBox::Cancel)->text()), "cancel");
    }

    void everyWindowShowsItsTextsWhole_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("Japanese") << Language::Japanese;
        QTest::newRow("English") << Language::English;
    }
    void everyWindowShowsItsTextsWhole()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.Form_Load();
        auto* firstStart = new FirstForm(&main);
        auto* fromTheMenu = new FirstForm(&main);
        fromTheMenu->setObjectName("firstform from the menu");
        fromTheMenu->offerCancel();
        const QList<QWidget*> windows{&main,
                                      firstStart,
                                      fromTheMenu,
                                      new WordForm(&main),
                                      new AcceForm(&main),
                                      new TuboForm(&main),
                                      new BmpForm(&main),
                                      new OverForm(OverForm::Cause::Rotted, &main),
                                      new OverForm(OverForm::Cause::DriedUp, &main),
                                      new AboutForm(&main)};
        QStringList cut;
        for (QWidget* window : windows) {
            window->show();
            cut << cutTexts(*window);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void everyRemarkFitsTheMessageLineAndTheStatusLine_data()
    {
        everyWindowShowsItsTextsWhole_data();
    }
    void everyRemarkFitsTheMessageLineAndTheStatusLine()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.Form_Load();
        main.show();
        auto* line = main.findChild<QLabel*>("smsgbox");
        auto* status = main.findChild<QLabel*>("infobox");
        QStringList cut;
        for (const QString& remark : remarks()) {
            line->setText(remark);
            cut << cutTexts(main);
        }
        for (const WaterStatus& water : waterStatuses()) {
            status->setText(water.info);
            cut << cutTexts(main);
        }
        // The moods after an absence, with the name a plant has until it is given one.
        const QString name = main.plant().sname;
        for (const int ai : {5, 50}) {
            PlantState away;
            away.ai = ai;
            showFittedSentence(*line, dailyCheck(away, 3).message, name);
            QVERIFY(line->text().contains(name));
            cut << cutTexts(main);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void everySentenceFitsTheTalkingWindow_data() { everyWindowShowsItsTextsWhole_data(); }
    void everySentenceFitsTheTalkingWindow()
    {
        QFETCH(Language, language);
        QObject translations;
        speak(language, &translations);
        PlantState plant;
        loadPlant(plant, Store()); // the name a plant has until it is given one
        WordForm window(nullptr);
        window.show();
        QStringList cut;
        for (const int seiword : {1, 2})
            for (int draw = 1; draw <= 3; ++draw) {
                const std::array<QString, 4> sentences{
                    greeting(6 * draw), talkSentence(1, draw, seiword),
                    talkSentence(2, draw, seiword), talkSentence(3, draw, seiword)};
                window.intoword(sentences, plant.sname);
                for (int index = 0; index < 4; ++index)
                    QCOMPARE(
                        window.findChild<QRadioButton*>(QString("sword(%1)").arg(index))->text(),
                        withName(sentences[index], plant.sname));
                cut << cutTexts(window);
            }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    // Cut mid-letter, a name would look like a fault; a shortened one says it is longer.
    void aLongNameEndsInAnEllipsisAndStaysWholeInTheTip()
    {
        const QString name = "Opuntia" + QString(60, 'x') + "End";
        storeTexts({{"smode", "1"}, {"lastday", "46350"}, {"sname", name}, {"swater", "9"}});
        World world;
        world.hour = 8;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.Form_Load();
        main.show();
        WordForm talk(nullptr);
        talk.intoword(
            {greeting(8), talkSentence(1, 1, 1), talkSentence(1, 2, 1), talkSentence(2, 1, 1)},
            name);
        talk.show();
        const QList<QWidget*> withTheName{
            main.findChild<QLabel*>("namebox"), main.findChild<QLabel*>("smsgbox"),
            talk.findChild<QRadioButton*>("sword(0)"), talk.findChild<QRadioButton*>("sword(3)")};
        const QString ellipsis(QChar(0x2026));
        for (QWidget* control : withTheName) {
            const QString shown = control->property("text").toString();
            QVERIFY2(shown.contains("Opuntia") && shown.contains("xx" + ellipsis) &&
                         !shown.contains("End"),
                     qPrintable(shown));
            QVERIFY(control->accessibleName().contains(name));
            QVERIFY(control->toolTip().contains(name));
        }
        // The sentence around the name stays whole.
        QVERIFY(talk.findChild<QRadioButton*>("sword(0)")->text().startsWith("おはよう、Opuntia"));
        QVERIFY(main.findChild<QLabel*>("smsgbox")->text().endsWith("は、すっかりご機嫌斜めです"));
        QVERIFY2(cutTexts(main).isEmpty() && cutTexts(talk).isEmpty(),
                 qPrintable((cutTexts(main) + cutTexts(talk)).join('\n')));
        // A name that fits is shown as it is, with no tip.
        talk.intoword({greeting(8), {}, {}, {}}, "Zabon");
        QCOMPARE(talk.findChild<QRadioButton*>("sword(0)")->text(), "おはよう、Zabon");
        QCOMPARE(talk.findChild<QRadioButton*>("sword(0)")->toolTip(), QString());
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
