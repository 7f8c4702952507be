#pragma once

#include <QString>

// The help file's full path when directory holds it as an ordinary file under
// exactly its own name, letter case included; empty when it does not. Looks
// at the folder anew on every call, so a file copied in later is found.
QString helpFileIn(const QString& directory);
