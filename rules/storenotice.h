#pragma once

#include <QString>

// What to tell the user at start-up when the store's file could not be used as
// it was: a Japanese message for a window, and one plain line for standard error.

/* an unreadable store was moved from file to aside, and a new plant begins */
QString keptAsideMessage(const QString& file, const QString& aside);
QString keptAsideLine(const QString& file, const QString& aside);

/* something that is no regular file lies at file, so the game cannot keep a plant */
QString refusedStoreMessage(const QString& file);
QString refusedStoreLine(const QString& file);
