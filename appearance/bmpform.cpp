#include "bmpform.h"

#include "core/controls.h"
#include "core/mainform.h"
#include "core/picture.h"
#include "core/twips.h"
#include "view/plantscene.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QStringList pictureFilters()
{
    return {QStringLiteral("BMP(*.bmp)"), QStringLiteral("GIF(*.gif)"),
            QStringLiteral("JPEG(*.jpg)"), QStringLiteral("ICON(*.ico)")};
}

BmpForm::BmpForm(MainForm& owner) : GameDialog(&owner), mainform(owner)
{
    setObjectName(QStringLiteral("bmpform"));
    setWindowTitle(QString());
    setFixedSize(px(5010), px(855));

    Label1 = placeLabel(this, QStringLiteral("Label1"), twipRect(120, 120, 360, 180),
                        QStringLiteral("画像"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Text1 = placeControl<QLineEdit>(this, QStringLiteral("Text1"), twipRect(600, 120, 3375, 270));

    Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                         twipRect(4080, 120, 855, 255), QStringLiteral("参照"));
    Command3 = placeControl<QPushButton>(this, QStringLiteral("Command3"),
                                         twipRect(1440, 480, 1095, 255), QStringLiteral("OK"));
    Command3->setEnabled(false);
    Command2 = placeControl<QPushButton>(this, QStringLiteral("Command2"),
                                         twipRect(2640, 480, 1095, 255), QStringLiteral("CANCEL"));
    Command4 = placeControl<QPushButton>(this, QStringLiteral("Command4"),
                                         twipRect(3840, 480, 1095, 255), QStringLiteral("RESET"));
    Command4->setToolTip(QStringLiteral("背景を元に戻します"));
    // No default button: Enter in the path box must not browse or confirm.
    for (QPushButton* button : {Command1, Command2, Command3, Command4})
        button->setAutoDefault(false);
    setCancelButton(Command2);

    connect(Text1, &QLineEdit::textChanged, this, &BmpForm::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &BmpForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BmpForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &BmpForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &BmpForm::Command4_Click);
}

void BmpForm::Text1_Change()
{
    Command3->setEnabled(!Text1->text().isEmpty());
}

void BmpForm::Command1_Click()
{
    const QString chosen = QFileDialog::getOpenFileName(this, QString(), Text1->text(),
                                                        pictureFilters().join(QStringLiteral(";;")),
                                                        nullptr, QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty())
        Text1->setText(chosen);
}

void BmpForm::Command2_Click()
{
    reject();
}

void BmpForm::Command3_Click()
{
    // Stored whole, so the picture is found again from whatever folder the game starts in.
    morvick.bmpdir = QFileInfo(Text1->text()).absoluteFilePath();
    storeBmpdir();
    const QImage picture = loadPicture(morvick.bmpdir);
    // A path that gives no picture is forgotten, so the next start does not try it again.
    if (picture.isNull()) {
        morvick.bmpdir.clear();
        storeBmpdir();
    }
    mainform.Picture1->setPicture(picture);
    accept();
}

void BmpForm::Command4_Click()
{
    morvick.bmpdir.clear();
    storeBmpdir();
    mainform.Picture1->setPicture(QImage());
    accept();
}

void BmpForm::storeBmpdir()
{
    if (!mainform.store.writeNow(QStringLiteral("bmpdir"), morvick.bmpdir))
        mainform.reportFailedSave();
}

void BmpForm::showEvent(QShowEvent* event)
{
    GameDialog::showEvent(event);
    Text1->setFocus();
}
