#pragma once

#include <QString>

// Where the game's own files (its sounds and help file) lie: beside the
// executable, as in a build folder, or else in the data folder an install puts
// beside its bin folder (../share/morvick). One folder for all of them, so two
// installs never mix their files.
QString gameFilesFolder(const QString& executableFolder);
