#pragma once

#include <QStringList>

// The languages the game speaks; Japanese is its own, the one its texts are written in.
enum class Language { Japanese, English };

/* the first of the user's languages (QLocale::uiLanguages(), most wanted first) that the
   game speaks; Japanese when it speaks none of them */
Language chooseLanguage(const QStringList& uiLanguages);
