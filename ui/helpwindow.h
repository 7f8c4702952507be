#pragma once

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;
class QHelpEngineCore;
struct QHelpLink;
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
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Start { Contents, Index };

    HelpWindow(const QString& helpFile, QWidget* parent);
    ~HelpWindow() override;

    const QString& helpFile() const { return file; }
    void open(Start start);
    // Beside the game where there is room (right, else left), narrower if need
    // be, never larger than the screen, and always on it.
    void placeBeside(const QWidget& game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString collectionFile() const;
    QWidget* buildContentsTab();
    QWidget* buildIndexTab();
    void contentsReady();
    void showStartPage();
    void showDocuments(const QList<QHelpLink>& documents);
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
    QSplitter* panes = nullptr;
    bool panesSized = false;
};
