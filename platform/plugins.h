#pragma once

#include <QObject>
#include <QString>

// The game's plugins (its sound engine and help viewer) carry the libraries it
// needs only now and then, so a start maps none of them. They lie beside the
// executable, as in a build folder, or else in ../lib/morvick.
QString pluginFolder(const QString& executableFolder);

// The plugin's root object by its base name ("morvick_sound"), loaded at the
// first call and kept for the rest of the run; null when it cannot be loaded.
QObject* loadPlugin(const QString& folder, const QString& name);
