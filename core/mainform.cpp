#include "mainform.h"

#include "clock.h"
#include "colour.h"
#include "controls.h"
#include "dailycheck.h"
#include "ending.h"
#include "fonts.h"
#include "overform.h"
#include "savefailure.h"
#include "twips.h"
#include "view/imagecontrol.h"
#include "view/plantscene.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& rect, const QColor& back,
                  const QColor& text, Qt::Alignment horizontal, bool bordered)
{
    QLabel* label = placeLabel(parent, QString::fromLatin1(name), rect);
    label->setFont(gothicFont(12, true));
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
    if (bordered)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& rect, const char* icon,
                        const QString& tip)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setIcon(resourceIcon(QLatin1String(icon)));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}
} // namespace

MainForm::MainForm(SoundPlayer& soundPlayer, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      sounds(soundPlayer)
{
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("MORVICK"));
    setWindowIcon(resourceIcon(QStringLiteral("icon")));

    auto* client = new QWidget(this);
    client->setFixedSize(256, 153);
    setCentralWidget(client);
    buildScene(client);
    buildLabels(client);
    buildButtons(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainForm::buildScene(QWidget* client)
{
    Picture1 = new PlantScene(client);
    connect(Picture1, &PlantScene::mouseMoved, this, &MainForm::Picture1_MouseMove);
    connect(Picture1->sshape1, &ImageControl::clicked, this, &MainForm::sshape1_Click);
}

void MainForm::buildLabels(QWidget* client)
{
    const QColor black(Qt::black);
    const QColor cyan = colourFromLong(0x00FFFF00);
    const QColor yellow = colourFromLong(0x0000FFFF);
    smsgbox = makeLabel(client, "smsgbox", twipRect(0, 1680, 3855, 615), Qt::white, black,
                        Qt::AlignLeft, true);
    Label1 = makeLabel(client, "Label1", twipRect(1440, 600, 2415, 1080), black, black,
                       Qt::AlignLeft, true);
    Label2 = makeLabel(client, "Label2", twipRect(1560, 630, 735, 255), black, cyan, Qt::AlignRight,
                       false);
    Label2->setText(QStringLiteral("名前："));
    namebox = makeLabel(client, "namebox", twipRect(2280, 630, 1455, 255), black, Qt::white,
                        Qt::AlignLeft, false);
    namebox->setWordWrap(false);
    Label3 = makeLabel(client, "Label3", twipRect(1560, 870, 735, 255), black, cyan, Qt::AlignRight,
                       false);
    Label3->setText(QStringLiteral("年齢："));
    agebox = makeLabel(client, "agebox", twipRect(2280, 870, 975, 255), black, Qt::white,
                       Qt::AlignRight, false);
    agebox->setWordWrap(false);
    Label4 = makeLabel(client, "Label4", twipRect(3360, 870, 255, 255), black, cyan, Qt::AlignLeft,
                       false);
    Label4->setText(QStringLiteral("日"));
    infobox = makeLabel(client, "infobox", twipRect(1560, 1095, 2175, 495), black, yellow,
                        Qt::AlignLeft, false);
}

void MainForm::buildButtons(QWidget* client)
{
    siikubutton1 = makeButton(client, "siikubutton1", twipRect(1440, 0, 600, 600), "water",
                              QStringLiteral("水をやる"));
    siikubutton2 = makeButton(client, "siikubutton2", twipRect(2040, 0, 600, 600), "talk",
                              QStringLiteral("話しかける"));
    siikubutton3 = makeButton(client, "siikubutton3", twipRect(2640, 0, 600, 600), "decorate",
                              QStringLiteral("飾りをつける"));
    Command1 = makeButton(client, "Command1", twipRect(3240, 0, 600, 600), "door",
                          QStringLiteral("終了する"));
    connect(siikubutton1, &QPushButton::clicked, this, &MainForm::siikubutton1_Click);
    connect(siikubutton2, &QPushButton::clicked, this, &MainForm::siikubutton2_Click);
    connect(siikubutton3, &QPushButton::clicked, this, &MainForm::siikubutton3_Click);
    connect(Command1, &QPushButton::clicked, this, &MainForm::Command1_Click);
}

void MainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    // Four Japanese titles must share 256 pixels; a compact font and tight
    // padding keep every title on the bar instead of behind an overflow button.
    QFont barFont = gothicFont(9, false);
    bar->setFont(barFont);
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 4px; }"));

    auto addMenu = [this](QMenu* parentMenu, const char* name, const QString& title) {
        QMenu* menu = parentMenu ? parentMenu->addMenu(title) : menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          void (MainForm::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    mfile = addMenu(nullptr, "mfile", QStringLiteral("ファイル(&F)"));
    mend = addItem(mfile, "mend", QStringLiteral("終了(&X)"), &MainForm::mend_Click);

    mchange = addMenu(nullptr, "mchange", QStringLiteral("変更(&C)"));
    back = addMenu(mchange, "back", QStringLiteral("背景"));
    mcolor = addItem(back, "mcolor", QStringLiteral("背景色"), &MainForm::mcolor_Click);
    mbmp = addItem(back, "mbmp", QStringLiteral("画像貼り付け"), &MainForm::mbmp_Click);
    mtubo = addItem(mchange, "mtubo", QStringLiteral("つぼの種類"), &MainForm::mtubo_Click);

    mhelp = addMenu(nullptr, "mhelp", QStringLiteral("ヘルプ(&H)"));
    mhepl1 = addItem(mhelp, "mhepl1", QStringLiteral("目次"), &MainForm::mhepl1_Click);
    mhepl1->setShortcut(QKeySequence(Qt::Key_F1));
    mhepl1->setShortcutContext(Qt::ApplicationShortcut);
    mhelp2 = addItem(mhelp, "mhelp2", QStringLiteral("キーワードで検索"), &MainForm::mhelp2_Click);
    mabout = addItem(mhelp, "mabout", QStringLiteral("アバウト(&A)"), &MainForm::mabout_Click);

    mdel = addMenu(nullptr, "mdel", QStringLiteral("初期化"));
    mnew = addItem(mdel, "mnew", QStringLiteral("モルビックを新たに育てる"), &MainForm::mnew_Click);
}

void MainForm::Form_Load()
{
    setsettin();
    if (morvick.smode == 0)
        showFirstFormAtStartup();
    else
        lastcheck();
    showmorvick();
}

void MainForm::lastcheck()
{
    const DailyCheckOutcome outcome = dailyCheck(morvick, dayNumber(today()));
    if (!outcome.message.isEmpty())
        smsgbox->setText(outcome.message);
    if (outcome.driedUp) {
        OverForm overform2(OverForm::Cause::DriedUp);
        centreOnScreen(overform2);
        overform2.exec();
    }
}

void MainForm::setsettin()
{
    Picture1->setPicture(::setsettin(morvick, store));
}

bool MainForm::retsettin()
{
    return ::retsettin(morvick, store, longFromColour(Picture1->backColour()));
}

void MainForm::saveAndEnd()
{
    if (!retsettin()) {
        std::fprintf(stderr, "%s\n", qPrintable(saveFailureLine(store.fileName())));
        endProgram(1);
    }
    endProgram();
}

void MainForm::quitRequested()
{
    if (settingUpFirstPlant)
        endProgram();
    else
        saveAndEnd();
}

void MainForm::reportFailedSave()
{
    if (failedSaveReported)
        return;
    failedSaveReported = true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("MORVICK"),
                    saveFailureMessage(store.fileName()), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MainForm::Command1_Click()
{
    saveAndEnd();
}

void MainForm::mend_Click()
{
    saveAndEnd();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    saveAndEnd();
}
