#pragma once

#include "rules/language.h"

class QObject;

// Puts the game's texts, and Qt's own in its dialogs, into the language for the
// rest of the run. Japanese texts need nothing: they are the game's own.
// The translators live as long as owner.
void speak(Language language, QObject* owner);
