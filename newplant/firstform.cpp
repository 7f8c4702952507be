#include "firstform.h"

#include "core/clock.h"
#include "core/ending.h"
#include "core/store.h"
#include "core/twips.h"
#include "view/imagecontrol.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& title, const QRect& rect)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(rect);
    return frame;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    auto* option = new QRadioButton(text, parent);
    option->setObjectName(name);
    option->setGeometry(rect);
    return option;
}

ImageControl* makeImage(QWidget* parent, const char* name, const QRect& rect, const char* picture)
{
    auto* image = new ImageControl(QString::fromLatin1(name), rect, parent);
    image->setPicture(resourcePicture(QString::fromLatin1(picture)));
    image->setStretch(true);
    return image;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}
} // namespace

FirstForm::FirstForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("firstform"));
    setWindowTitle(QString());
    setFixedSize(px(5655), px(2775));

    Frame1 = makeFrame(this, "Frame1", QStringLiteral("名前"), twipRect(120, 0, 1695, 615));
    namebox = new QLineEdit(Frame1);
    namebox->setObjectName(QStringLiteral("namebox"));
    namebox->setGeometry(twipRect(120, 240, 1455, 270));

    Frame2 = makeFrame(this, "Frame2", QStringLiteral("モルビックの形"), twipRect(120, 720, 2175, 1575));
    Image1 = makeImage(Frame2, "Image1", twipRect(120, 240, 945, 900), "morvick13");
    Image2 = makeImage(Frame2, "Image2", twipRect(1080, 240, 945, 900), "morvick23");
    for (int i = 0; i < 2; ++i)
        sshape1[i] = makeOption(Frame2, QStringLiteral("sshape1(%1)").arg(i), QString(),
                                twipRect(480 + 960 * i, 1200, 255, 255));

    Frame3 = makeFrame(this, "Frame3", QStringLiteral("つぼの形"), twipRect(2400, 960, 3135, 1335));
    Image3 = makeImage(Frame3, "Image3", twipRect(120, 240, 945, 600), "tubo1");
    Image4 = makeImage(Frame3, "Image4", twipRect(1080, 240, 945, 600), "tubo2");
    Image5 = makeImage(Frame3, "Image5", twipRect(2040, 240, 945, 600), "tubo3");
    for (int i = 0; i < 3; ++i)
        sshape2[i] = makeOption(Frame3, QStringLiteral("sshape2(%1)").arg(i), QString(),
                                twipRect(480 + 960 * i, 960, 255, 255));

    Frame4 = makeFrame(this, "Frame4", QStringLiteral("性別"), twipRect(2400, 0, 735, 855));
    Option1 = makeOption(Frame4, QStringLiteral("Option1"), QStringLiteral("男"), twipRect(120, 240, 495, 255));
    Option2 = makeOption(Frame4, QStringLiteral("Option2"), QStringLiteral("女"), twipRect(120, 480, 495, 255));

    Frame5 = makeFrame(this, "Frame5", QStringLiteral("モルビックへの話しかけかた"),
                       twipRect(3240, 0, 2295, 855));
    Option4 = makeOption(Frame5, QStringLiteral("Option4"), QStringLiteral("男言葉"), twipRect(120, 240, 855, 255));
    Option3 = makeOption(Frame5, QStringLiteral("Option3"), QStringLiteral("女言葉"), twipRect(120, 480, 855, 255));

    sshape1[0]->setChecked(true);
    sshape2[0]->setChecked(true);
    Option2->setChecked(true);
    Option4->setChecked(true);

    okbutton = makeButton(this, "okbutton", QStringLiteral("OK"), twipRect(3480, 2400, 975, 255));
    okbutton->setEnabled(false);
    cancelbutton = makeButton(this, "cancelbutton", QStringLiteral("END"), twipRect(4560, 2400, 975, 255));
    Command1 = makeButton(this, "Command1", QStringLiteral("CANCEL"), twipRect(4560, 2400, 975, 255));
    Command1->hide();

    setTabOrder(namebox, sshape1[0]);
    connect(namebox, &QLineEdit::textChanged, this, &FirstForm::namebox_Change);
    connect(okbutton, &QPushButton::clicked, this, &FirstForm::okbutton_Click);
    connect(cancelbutton, &QPushButton::clicked, this, &FirstForm::cancelbutton_Click);
    connect(Command1, &QPushButton::clicked, this, &FirstForm::Command1_Click);
}

void FirstForm::offerCancel()
{
    cancelbutton->hide();
    Command1->show();
}

PlantChoice FirstForm::choice() const
{
    PlantChoice choice;
    choice.name = namebox->text();
    choice.shape = sshape1[1]->isChecked() ? 2 : 1;
    choice.pot = sshape2[2]->isChecked() ? 3 : sshape2[1]->isChecked() ? 2 : 1;
    choice.sei = Option1->isChecked() ? 1 : 2;
    choice.seiword = Option3->isChecked() ? 2 : 1;
    return choice;
}

void FirstForm::namebox_Change() { okbutton->setEnabled(!namebox->text().isEmpty()); }

void FirstForm::okbutton_Click()
{
    startNewPlant(morvick, choice(), dayNumber(today()));
    Store store;
    savePlant(morvick, store);
    accept();
    deleteLater();
}

void FirstForm::cancelbutton_Click()
{
    endProgram();
    // Only reached when a test stands in for the end of the program.
    reject();
}

void FirstForm::Command1_Click() { hide(); }

void FirstForm::keyPressEvent(QKeyEvent* event)
{
    // Esc is CANCEL only while CANCEL is offered; on a first start it does nothing,
    // so the name typed so far is never lost by a stray key.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (Command1->isVisible())
            Command1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FirstForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    namebox->setFocus();
}
