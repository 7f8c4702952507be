#pragma once

#include <QFile>
#include <QString>
#include <memory>

// Opens a file named by a user or found beside the game for reading, but only
// when it is a regular file (links followed), so a FIFO, a device or a folder
// can never block or flood the game. Null for anything else.
std::unique_ptr<QFile> openRegularFile(const QString& path);
