#pragma once

#include <QImage>
#include <QString>

// Loads a background picture from a path a user typed. Only a regular, readable
// file is opened, so a FIFO or a device can never block the game; anything that
// does not decode (or would exceed the image allocation limit) gives a null image.
QImage loadPicture(const QString& path);
