#pragma once

// The game's main window as the window tests drive it: a stored plant, the
// stand-ins of the outside world, and what its controls show.
#include "platform/sound.h"
#include "testenv.h"
#include "ui/controls.h"
#include "ui/mainform.h"

#include <QtWidgets>

/* a plant of "key=text key=text", stored on 6 December 2026 (the day the world's clock shows),
   so that a start finds no absence; a later key counts */
inline const auto plantWith = [](const QString& keys) {
    return textsOf("smode=1 lastday=46362 " + keys);
};

/* an answer that types text into the window's first text box, then clicks the named controls */
inline Answer clicks(const QStringList& names, const QString& typed = {})
{
    return [names, typed](QWidget& window) {
        if (!typed.isNull())
            window.findChild<QLineEdit*>()->setText(typed);
        for (const QString& name : names)
            if (auto* button = window.findChild<QAbstractButton*>(name))
                button->click();
    };
}

/* an answer that presses keys in the window, as the keyboard would */
inline Answer keys(const QKeySequence& sequence)
{
    return [sequence](QWidget& window) {
        QCoreApplication::processEvents(); // the window opened just now becomes active
        QTest::keySequence(window.focusWidget() ? window.focusWidget() : &window, sequence);
    };
}

struct FakeSound : SoundPlayer {
    void play(Sound sound) override { played.append(sound); }
    QList<Sound> played;
};

struct Game {
    // The plant is stored before the window exists: the store is read when it is made. The
    // world: 6 December 2026 at noon, draws taken in turn (0.0 once they run dry), ends counted.
    explicit Game(const Texts& plant, const QString& folder = builtGameFolder,
                  Language language = Language::Japanese)
        : main((storeTexts(plant),
                Seams{[] { return QDate(2026, 12, 6); }, [] { return 12; },
                      [this] { return ++drawsTaken, draws.isEmpty() ? 0.0 : draws.takeFirst(); },
                      [this](int status) { ends.append(status); }, folder, builtGameFolder,
                      language}),
               sound)
    {
        useGothicFont(); // as the game sets it before its first window
    }

    /* the start-up, each window it opens answered in turn, then the window shown */
    void start(const QList<Answer>& answers = {})
    {
        answerModals([this] { main.Form_Load(); }, answers);
        centreOnScreen(main);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
    }

    /* clicks a button or triggers a menu item of the main window */
    void trigger(const QString& name)
    {
        if (auto* button = main.centralWidget()->findChild<QAbstractButton*>(name))
            button->click();
        else if (auto* item = main.findChild<QAction*>(name))
            item->trigger();
        else
            QFAIL(qPrintable("no control " + name));
    }

    /* a label's text, or an image's picture ("-" while it is hidden) */
    QString shows(const QString& name) const
    {
        if (const auto* image = main.findChild<ImageControl*>(name))
            return image->isVisible() ? image->picture().name : QStringLiteral("-");
        return main.findChild<QLabel*>(name)->text();
    }

    /* a point just inside a control, in the main window */
    QPoint at(const QString& name) const
    {
        return main.findChild<QWidget*>(name)->mapTo(&main, QPoint(2, 2));
    }

    QList<double> draws;
    int drawsTaken = 0;
    QList<int> ends;
    FakeSound sound;
    MainForm main;
};
