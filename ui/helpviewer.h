#pragma once

#include <QObject>
#include <QString>

class QWidget;

// What the help plugin gives the game: a viewer of its help file. Only the
// plugin links Qt Help (and with it Qt SQL), so the game maps them only when
// help is first asked for.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual QString helpFile() const = 0;
    /* shows the window at the contents, or at the keyword index with an empty filter */
    virtual void open(bool atIndex) = 0;
};

class HelpViewerFactory
{
public:
    virtual ~HelpViewerFactory() = default;
    /* a window of parent's (also a HelpViewer) that shows helpFile */
    virtual QWidget* createViewer(const QString& helpFile, QWidget* parent) = 0;
};

#define MORVICK_HELP_VIEWER_IID "io.github.morvick.HelpViewer/1"
#define MORVICK_HELP_VIEWER_FACTORY_IID "io.github.morvick.HelpViewerFactory/1"
Q_DECLARE_INTERFACE(HelpViewer, MORVICK_HELP_VIEWER_IID)
Q_DECLARE_INTERFACE(HelpViewerFactory, MORVICK_HELP_VIEWER_FACTORY_IID)
