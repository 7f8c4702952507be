// The floor the game's start-up is measured against: a bare Qt window of the
// game's shape (its size, four menus, four picture buttons, five bold gothic
// labels, one picture), ending as soon as its first frame is painted.
#include "firstframe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    app.installEventFilter(&firstFrame);

    QMainWindow window;
    window.setObjectName(QStringLiteral("mainform"));
    window.setWindowTitle(QStringLiteral("MORVICK"));
    auto* client = new QWidget(&window);
    client->setFixedSize(256, 153);
    window.setCentralWidget(client);
    for (const char* title : {"ファイル(&F)", "変更(&C)", "ヘルプ(&H)", "初期化"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("-"));

    QFont gothic(QStringLiteral("IPAPGothic"), 12);
    gothic.setBold(true);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(client);
        button->setGeometry(96 + 40 * i, 0, 40, 40);
        button->setIcon(QIcon(QPixmap(32, 32)));
        button->setIconSize(QSize(32, 32));
    }
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QStringLiteral("名前："), client);
        label->setFont(gothic);
        label->setGeometry(104, 42 + 16 * i, 145, 17);
    }
    auto* picture = new QLabel(client);
    picture->setGeometry(0, 0, 97, 112);
    QPixmap plant(59, 56);
    plant.fill(Qt::green);
    picture->setPixmap(plant);

    window.show();
    return app.exec();
}
