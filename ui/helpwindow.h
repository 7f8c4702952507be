#pragma once

#include "helpviewer.h"

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;
class QHelpEngineCore;
class QLineEdit;
class QSplitter;
class QTabWidget;

// Shows pages of a compressed help file, reading them from the help engine
// rather than from disk.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    HelpBrowser(const QHelpEngineCore& engine, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore& engine;
};

// The help viewer: contents and keyword index beside the page. Not modal, so
// the plant can be cared for while the help is open.
class HelpWindow : public QWidget, public HelpViewer
{
    Q_OBJECT
    Q_INTERFACES(HelpViewer)
public:
    HelpWindow(const QString& helpFile, QWidget* parent);
    ~HelpWindow() override;

    QString helpFile() const override { return file; }
    void open(bool atIndex) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString collectionFile() const;
    void setUpEngine();
    void buildPanes();
    void showOpened();
    QWidget* buildContentsTab();
    QWidget* buildIndexTab();
    void contentsReady();
    void fitContentsToTitles();
    void showStartPage();
    void followInContents(const QUrl& url);

    const QString file;
    QHelpEngine* engine = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* contentsTab = nullptr;
    QWidget* indexTab = nullptr;
    QLineEdit* indexFilter = nullptr;
    HelpBrowser* page = nullptr;
    // The engine's collection lives apart from the program folder, which may be read-only.
    QTemporaryDir collectionFolder;
    bool startPagePending = false;
    bool openAtIndex = false;
    bool panesPending = false;
    QSplitter* panes = nullptr;
    bool panesSized = false;
};
