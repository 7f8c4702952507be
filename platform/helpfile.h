#pragma once

#include <QString>

// The help files: the game's own, in Japanese, and one for each other language.
inline const QString japaneseHelpFile = QStringLiteral("morvickhelp.hlp");
inline const QString englishHelpFile = QStringLiteral("morvickhelp_en.hlp");

// The help file's full path when directory holds it as an ordinary file under
// exactly its own name, letter case included; empty when it does not. Looks
// at the folder anew on every call, so a file copied in later is found.
QString helpFileIn(const QString& directory, const QString& name);
