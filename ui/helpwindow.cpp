#include "helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

HelpBrowser::HelpBrowser(const QHelpEngineCore& helpEngine, QWidget* parent)
    : QTextBrowser(parent), engine(helpEngine)
{
    setObjectName(QStringLiteral("helppage"));
    //: The pane that shows a help page, as a screen reader names it
    setAccessibleName(tr("ヘルプのページ"));
    // The pages bring their own paper and ink; bullets follow them instead of
    // a dark desktop theme.
    QPalette ink = palette();
    ink.setColor(QPalette::Text, QColor(0x33, 0x33, 0x33));
    setPalette(ink);
}

QVariant HelpBrowser::loadResource(int, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    // Only the help file's own pages; nothing is read from disk or the network.
    if (url.scheme() != QLatin1String("qthelp"))
        return {};
    return engine.fileData(url);
}

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), file(helpFile)
{
    setObjectName(QStringLiteral("helpwindow"));
    //: The help window, as a screen reader names it
    setAccessibleName(tr("ヘルプ"));

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        new QShortcut(keys, this, this, &QWidget::close);
}

void HelpWindow::setUpEngine()
{
    engine = new QHelpEngine(collectionFile(), this);
    // Qt 6 opens a collection read-only unless told otherwise, and then cannot register.
    engine->setReadOnly(false);
    engine->setupData();
    engine->registerDocumentation(file);
}

void HelpWindow::buildPanes()
{
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("helptabs"));
    //: The tabs of the help's contents and keyword index, as a screen reader names them
    tabs->setAccessibleName(tr("目次とキーワード"));
    contentsTab = buildContentsTab();
    indexTab = buildIndexTab();
    //: Tab of the help's contents
    tabs->addTab(contentsTab, tr("目次"));
    //: Tab of the help's keyword index
    tabs->addTab(indexTab, tr("キーワード"));

    page = new HelpBrowser(*engine, this);
    connect(page, &QTextBrowser::sourceChanged, this, &HelpWindow::followInContents);

    panes = new QSplitter(this);
    panes->addWidget(tabs);
    panes->addWidget(page);
    panes->setStretchFactor(1, 1);
    // The contents never fold away: they are the way through the help.
    panes->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panes);

    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this,
            &HelpWindow::contentsReady);
}

HelpWindow::~HelpWindow()
{
    // Qt Help reads the contents and the index on threads of its own, kept
    // beside its models, which are deleted before the threads are stopped; they
    // finish first (a small file takes milliseconds). The engine closes before
    // its folder goes away.
    if (!engine)
        return;
    if (const QObject* models = static_cast<QObject*>(engine->contentModel())->parent())
        for (QThread* reader : models->findChildren<QThread*>(Qt::FindDirectChildrenOnly))
            reader->wait();
    delete engine;
}

QString HelpWindow::collectionFile() const
{
    return collectionFolder.filePath(QStringLiteral("morvickhelp.qhc"));
}

QWidget* HelpWindow::buildContentsTab()
{
    QHelpContentWidget* contents = engine->contentWidget();
    contents->setObjectName(QStringLiteral("contents"));
    //: The tree of the help's topics, as a screen reader names it
    contents->setAccessibleName(tr("目次の項目"));
    contents->setHeaderHidden(true);
    connect(contents, &QHelpContentWidget::linkActivated, this,
            [this](const QUrl& url) { page->setSource(url); });
    // One click opens a topic, as in the index; a double click only adds folding.
    connect(contents, &QAbstractItemView::clicked, this, [this](const QModelIndex& item) {
        if (const QHelpContentItem* topic = engine->contentModel()->contentItemAt(item))
            page->setSource(topic->url());
    });
    return contents;
}

QWidget* HelpWindow::buildIndexTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("indextab"));
    indexFilter = new QLineEdit(tab);
    indexFilter->setObjectName(QStringLiteral("indexfilter"));
    //: The box where a keyword of the help is typed, as a screen reader names it
    indexFilter->setAccessibleName(tr("キーワードで検索"));
    indexFilter->setClearButtonEnabled(true);
    QHelpIndexWidget* index = engine->indexWidget();
    index->setObjectName(QStringLiteral("index"));
    //: The list of the help's keywords, as a screen reader names it
    index->setAccessibleName(tr("キーワード一覧"));
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(indexFilter);
    layout->addWidget(index);

    connect(indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    // Each keyword of the game's help leads to one page.
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { page->setSource(document.url); });
    connect(index, &QAbstractItemView::clicked, index, &QHelpIndexWidget::activateCurrentItem);
    // Up and down in the filter field walk the keyword list under it.
    indexFilter->installEventFilter(this);
    return tab;
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window may have been made narrower to fit beside the game; the
    // contents keep what their titles need, the page the rest.
    if (panes && !panesSized) {
        panesSized = true;
        panes->setSizes({1, width()});
    }
}

namespace {
/* the widest title under parent, unfolded, with the indentation of its depth */
int widestTitle(const QTreeView& tree, const QModelIndex& parent, int depth)
{
    int widest = 0;
    const QAbstractItemModel* model = tree.model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex item = model->index(row, 0, parent);
        widest = std::max({widest, tree.indentation() * depth + tree.sizeHintForIndex(item).width(),
                           widestTitle(tree, item, depth + 1)});
    }
    return widest;
}
} // namespace

// Every title shows whole, however far the topics are unfolded and whether or
// not the list needs its scroll bar.
void HelpWindow::fitContentsToTitles()
{
    QHelpContentWidget* contents = engine->contentWidget();
    const int depthOfRoots = contents->rootIsDecorated() ? 1 : 0;
    contents->setMinimumWidth(widestTitle(*contents, {}, depthOfRoots) +
                              2 * contents->frameWidth() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, contents));
}

// The engine is set up, the panes are built and the window is first drawn on
// turns of the event loop of their own, so that none holds the user-interface
// thread for a frame.
void HelpWindow::open(bool atIndex)
{
    openAtIndex = atIndex;
    if (tabs)
        showOpened();
    else if (!panesPending)
        QTimer::singleShot(0, this, [this] {
            setUpEngine();
            QTimer::singleShot(0, this, [this] {
                buildPanes();
                QTimer::singleShot(0, this, &HelpWindow::showOpened);
            });
        });
    panesPending = true;
}

void HelpWindow::showOpened()
{
    if (!openAtIndex) {
        tabs->setCurrentWidget(contentsTab);
        showStartPage();
    } else {
        tabs->setCurrentWidget(indexTab);
        indexFilter->clear();
        engine->indexWidget()->filterIndices(QString());
        if (page->source().isEmpty())
            showStartPage();
        indexFilter->setFocus();
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::showStartPage()
{
    const QHelpContentModel* model = engine->contentModel();
    QHelpContentItem* root =
        model->isCreatingContents() ? nullptr : model->contentItemAt(model->index(0, 0));
    if (!root) {
        // The contents are still being read; contentsReady shows the page.
        startPagePending = true;
        return;
    }
    page->setSource(root->url());
}

void HelpWindow::contentsReady()
{
    const QHelpContentModel* model = engine->contentModel();
    if (QHelpContentItem* root = model->contentItemAt(model->index(0, 0)))
        setWindowTitle(root->title());
    engine->contentWidget()->expandToDepth(0);
    fitContentsToTitles();
    if (startPagePending) {
        startPagePending = false;
        showStartPage();
    }
    followInContents(page->source());
}

void HelpWindow::followInContents(const QUrl& url)
{
    QHelpContentWidget* contents = engine->contentWidget();
    const QModelIndex item = contents->indexOf(url);
    if (item.isValid())
        contents->setCurrentIndex(item);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) { // only the filter is watched
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(engine->indexWidget(), event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The plugin the game loads when help is first asked for.
class HelpViewerPlugin : public QObject, public HelpViewerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MORVICK_HELP_VIEWER_FACTORY_IID)
    Q_INTERFACES(HelpViewerFactory)

public:
    QWidget* createViewer(const QString& helpFile, QWidget* parent) override
    {
        return new HelpWindow(helpFile, parent);
    }
};

#include "helpwindow.moc"
