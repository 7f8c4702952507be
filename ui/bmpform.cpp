#include "bmpform.h"

#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QStringList BmpForm::pictureFilters()
{
    // First every kind of picture the loader reads, as Qt's image plugins name them
    // (each once, in order).
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    //: The first file type of the picture file window: every picture the game can show;
    //: %1 is the list of file name patterns
    return {tr("画像ファイル (%1)").arg(patterns.join(QLatin1Char(' '))),
            QStringLiteral("BMP(*.bmp)"), QStringLiteral("GIF(*.gif)"),
            QStringLiteral("JPEG(*.jpg)"), QStringLiteral("ICON(*.ico)")};
}

namespace {
QPushButton* placeButton(QWidget* parent, const char* name, const QRect& rect, const QString& text)
{
    auto* button = placeControl<QPushButton>(parent, QLatin1String(name), rect, text);
    // No default button: Enter in the path box must not browse or confirm.
    button->setAutoDefault(false);
    return button;
}
} // namespace

BmpForm::BmpForm(QWidget* parent) : GameDialog(parent, QStringLiteral("bmpform"), QSize(5010, 855))
{
    //: Before the box of the background picture's path. Only about 24 pixels wide
    QLabel* Label1 =
        placeLabel(this, QStringLiteral("Label1"), twipRect(120, 120, 360, 180), tr("画像"));
    Text1 = placeControl<QLineEdit>(this, QStringLiteral("Text1"), twipRect(600, 120, 3375, 270));
    // A screen reader names the path box after its label.
    Label1->setBuddy(Text1);
    //: Button: choose the picture file in a file window. About 41 pixels wide
    auto* Command1 = placeButton(this, "Command1", twipRect(4080, 120, 855, 255), tr("参照"));
    //: Button: show the picture named in the box
    Command3 = placeButton(this, "Command3", twipRect(1440, 480, 1095, 255), tr("OK"));
    Command3->setEnabled(false);
    //: Button: close the window without a change
    auto* Command2 = placeButton(this, "Command2", twipRect(2640, 480, 1095, 255), tr("CANCEL"));
    //: Button: take the background picture away
    auto* Command4 = placeButton(this, "Command4", twipRect(3840, 480, 1095, 255), tr("RESET"));
    //: Tip of the RESET button
    Command4->setToolTip(tr("背景を元に戻します"));
    setCancelButton(Command2);
    //: The background picture window, as a screen reader names it
    setAccessibleName(tr("背景の画像"));

    connect(Text1, &QLineEdit::textChanged, this, &BmpForm::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &BmpForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BmpForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &BmpForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &BmpForm::Command4_Click);
}

void BmpForm::setPath(const QString& path)
{
    Text1->setText(path);
}

QString BmpForm::path() const
{
    return Text1->text();
}

void BmpForm::Text1_Change()
{
    Command3->setEnabled(!Text1->text().isEmpty());
}

void BmpForm::Command1_Click()
{
    QFileDialog dialog(this, QString(), Text1->text());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(pictureFilters());
    placeOverCentre(dialog, *this);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        Text1->setText(dialog.selectedFiles().constFirst());
}

void BmpForm::Command2_Click()
{
    reject();
}

void BmpForm::Command3_Click()
{
    accept();
}

void BmpForm::Command4_Click()
{
    done(Reset);
}
