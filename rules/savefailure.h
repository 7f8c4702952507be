#pragma once

#include <QString>

// What to tell the user when the store could not be written to its file.

/* a short Japanese message naming the file and the likely reason */
QString saveFailureMessage(const QString& file);

/* one line for standard error, when the game is on its way out */
QString saveFailureLine(const QString& file);
