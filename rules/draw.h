#pragma once

#include "language.h"

#include <QDate>
#include <functional>

// The game's one random generator: each draw gives u in [0, 1).
using Draw = std::function<double()>;

/* floor(u * n) + 1: 1 <= result <= n, all equally likely */
int drawFrom(const Draw& draw, int n);

// What the game takes from outside itself. The real defaults are the clock, a
// generator seeded from the clock, the end of the process and the user's
// language; tests and the harness put their own in.
struct Seams {
    std::function<QDate()> today;
    /* 0 <= hour() <= 23 */
    std::function<int()> hour;
    Draw draw;
    /* ends the process at once with this status; nothing after it runs */
    std::function<void(int status)> endProgram;
    /* where the game's sounds and help file lie */
    QString programFolder;
    /* where its plugins (sound engine, help viewer) lie */
    QString pluginFolder;
    /* the language of its texts and help */
    Language language = Language::Japanese;

    static Seams real(const QString& programFolder, const QString& pluginFolder, Language language);
};
