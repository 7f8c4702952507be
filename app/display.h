#pragma once

#include <QApplication>
#include <memory>

// The game's status when no display can be opened.
constexpr int noDisplayStatus = 3;

// The QApplication, once Qt has opened a display. Without one, says on standard
// error which variables were looked at and ends the process with noDisplayStatus.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);
