#include "appearance/bmpform.h"
#include "appearance/tuboform.h"
#include "newplant/firstform.h"
#include "core/colour.h"
#include "core/ending.h"
#include "core/mainform.h"
#include "core/sound.h"
#include "fakesound.h"
#include "testenv.h"
#include "modalwindow.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

#include <sys/stat.h>

namespace
{
bool isStored(const char* key)
{
    return QSettings().contains(QStringLiteral("setting/") + key);
}

// Read without a QSettings, whose very construction would flush pending writes.
QString settingsFile;

// The settings file itself holds the line, so the write was synced, not only cached.
bool onDisk(const QString& line)
{
    QFile file(settingsFile);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains('\n' + line.toUtf8() + '\n');
}

// Runs a check at the moment a window hides, before its modal showing returns.
class OnHide : public QObject
{
  public:
    explicit OnHide(std::function<void()> check) : check(std::move(check)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            check();
        return false;
    }

  private:
    std::function<void()> check;
};

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

QByteArray redPicture(const char* format)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A whole bitmap header for 40000 x 40000 pixels: far beyond what the image
// reader may allocate, though the file is tiny.
QByteArray hugeBitmap()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 side = 40000;
    out.writeRawData("BM", 2);
    out << quint32(0) << quint32(0) << quint32(54) << quint32(40) << side << side << quint16(1)
        << quint16(24) << quint32(0) << quint32(0) << quint32(2835) << quint32(2835) << quint32(0)
        << quint32(0);
    return bytes + QByteArray(4096, '\x7f');
}
} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT
    FakeSound sound;
    QTemporaryDir files;

  private slots:
    void initTestCase()
    {
        setEndProgramForTesting([] {});
        settingsFile = QSettings().fileName();
    }
    void init()
    {
        morvick = {};
        sound.played.clear();
        QSettings().clear();
    }

    void windowsAreLaidOut_data()
    {
        QTest::addColumn<bool>("pot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("Frame3") << true << "Frame3" << QRect(8, 0, 209, 89) << "つぼの形";
        QTest::newRow("Image3") << true << "Image3" << QRect(8, 16, 63, 40) << "";
        QTest::newRow("Image5") << true << "Image5" << QRect(136, 16, 63, 40) << "";
        QTest::newRow("sshape2(0)") << true << "sshape2(0)" << QRect(32, 64, 17, 17) << "";
        QTest::newRow("sshape2(2)") << true << "sshape2(2)" << QRect(160, 64, 17, 17) << "";
        QTest::newRow("okbutton") << true << "okbutton" << QRect(80, 96, 65, 17) << "OK";
        QTest::newRow("cancelbutton")
            << true << "cancelbutton" << QRect(152, 96, 65, 17) << "CANCEL";
        QTest::newRow("Label1") << false << "Label1" << QRect(8, 8, 24, 12) << "画像";
        QTest::newRow("Text1") << false << "Text1" << QRect(40, 8, 225, 18) << "";
        QTest::newRow("Command1") << false << "Command1" << QRect(272, 8, 57, 17) << "参照";
        QTest::newRow("Command3") << false << "Command3" << QRect(96, 32, 73, 17) << "OK";
        QTest::newRow("Command2") << false << "Command2" << QRect(176, 32, 73, 17) << "CANCEL";
        QTest::newRow("Command4") << false << "Command4" << QRect(256, 32, 73, 17) << "RESET";
    }
    void windowsAreLaidOut()
    {
        QFETCH(bool, pot);
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        MainForm main(sound);
        TuboForm tuboform(main);
        BmpForm bmpform(main);
        QDialog& form = pot ? static_cast<QDialog&>(tuboform) : bmpform;
        QCOMPARE(form.size(), pot ? QSize(225, 121) : QSize(334, 57));
        QVERIFY(form.windowTitle().isEmpty());
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), rect);
        QString shown = control->property("text").toString();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        QCOMPARE(shown, text);
        QCOMPARE(bmpform.Command4->toolTip(), QStringLiteral("背景を元に戻します"));
    }

    void thePotWindowOpensBesideTheMainWindowOnPotOne()
    {
        MainForm main(sound);
        main.move(120, 90);
        main.show();
        morvick.sshape2 = 3;
        whenShown<TuboForm>([&main](TuboForm& form) {
            QCOMPARE(form.pos(), main.frameGeometry().topLeft() + QPoint(100, 38));
            QVERIFY(form.sshape2[0]->isChecked());
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.cancelbutton));
            // The pots are opaque pictures on pink.
            const QImage pot = form.Image4->grab().toImage();
            QCOMPARE(pot.pixelColor(0, 0), QColor(255, 132, 255));
            QVERIFY(pot.pixelColor(pot.width() / 2, pot.height() / 2) != QColor(255, 132, 255));
        });
        main.mtubo_Click();
    }

    // The same pots as in the setup window, whole at any scale, only on pink.
    void thePotsAreTheSetupWindowsOnPink()
    {
        MainForm main(sound);
        TuboForm pots(main);
        FirstForm setup;
        for (const char* name : {"Image3", "Image4", "Image5"}) {
            auto* pot = pots.findChild<QWidget*>(QLatin1String(name));
            auto* plain = setup.findChild<QWidget*>(QLatin1String(name));
            QCOMPARE(pot->size(), plain->size());
            QImage shown(pot->size() * 2, QImage::Format_ARGB32_Premultiplied);
            shown.setDevicePixelRatio(2);
            pot->render(&shown, {}, {}, QWidget::DrawChildren);
            QImage expected(shown.size(), QImage::Format_ARGB32_Premultiplied);
            expected.setDevicePixelRatio(2);
            expected.fill(QColor(255, 132, 255));
            plain->render(&expected, {}, {}, QWidget::DrawChildren);
            QVERIFY2(shown == expected, name);
        }
    }

    void okMovesThePlantIntoTheChosenPot_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("after");
        QTest::newRow("untouched: pot 1 even from pot 3") << 3 << -1 << 1;
        QTest::newRow("pot 2") << 1 << 1 << 2;
        QTest::newRow("pot 3") << 2 << 2 << 3;
    }
    void okMovesThePlantIntoTheChosenPot()
    {
        QFETCH(int, before);
        QFETCH(int, option);
        QFETCH(int, after);
        MainForm main(sound);
        morvick.sshape2 = before;
        main.showmorvick();
        bool storedAtOnce = false;
        OnHide closing([&] { storedAtOnce = onDisk(QStringLiteral("sshape2=%1").arg(after)); });
        whenShown<TuboForm>([&](TuboForm& form) {
            form.installEventFilter(&closing);
            if (option >= 0)
                form.sshape2[option]->click();
            form.okbutton->click();
        });
        main.mtubo_Click();
        QVERIFY(storedAtOnce);
        QCOMPARE(int(morvick.sshape2), after);
        QCOMPARE(main.Picture1->sshape2->picture().name, QStringLiteral("tubo%1").arg(after));
        QCOMPARE(sound.played, QStringList{programDirectory() + QStringLiteral("/tubo.wav")});
    }

    void leavingThePotWindowChangesNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("CANCEL") << 0;
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << -1;
    }
    void leavingThePotWindowChangesNothing()
    {
        QFETCH(int, key);
        MainForm main(sound);
        morvick.sshape2 = 3;
        main.showmorvick();
        whenShown<TuboForm>([key](TuboForm& form) {
            form.sshape2[1]->click();
            if (key == 0)
                form.cancelbutton->click();
            else if (key > 0)
                QTest::keyClick(&form, Qt::Key(key));
            else
                form.close();
            QVERIFY(!form.isVisible());
        });
        main.mtubo_Click();
        QCOMPARE(int(morvick.sshape2), 3);
        QVERIFY(!isStored("sshape2"));
        QCOMPARE(main.Picture1->sshape2->picture().name, QStringLiteral("tubo3"));
        QVERIFY(sound.played.isEmpty());
    }

    void theChosenColourShowsAtOnceAndIsStoredOnlyAtQuit()
    {
        MainForm main(sound);
        morvick.bcolor = 0x00123456;
        main.showmorvick();
        const QColor startColour = colourFromLong(0x00123456), chosen(200, 100, 0);
        whenShown<QColorDialog>([=](QColorDialog& dialog) {
            QCOMPARE(dialog.currentColor(), startColour);
            dialog.setCurrentColor(Qt::blue);
            dialog.reject();
        });
        main.mcolor_Click();
        QCOMPARE(main.Picture1->backColour(), startColour);

        whenShown<QColorDialog>([=](QColorDialog& dialog) {
            dialog.setCurrentColor(chosen);
            dialog.accept();
        });
        main.mcolor_Click();
        QCOMPARE(main.Picture1->backColour(), chosen);
        QVERIFY(!isStored("bcolor"));
        whenShown<QColorDialog>([=](QColorDialog& dialog) {
            QCOMPARE(dialog.currentColor(), chosen);
            dialog.reject();
        });
        main.mcolor_Click();

        main.mend->trigger();
        QCOMPARE(morvick.bcolor, 0x00123456);
        QVERIFY(onDisk(QStringLiteral("bcolor=%1").arg(longFromColour(chosen))));
    }

    void theColourDialogRemembersItsColourAcrossANewPlant()
    {
        MainForm main(sound);
        morvick.bcolor = 0x00123456;
        main.showmorvick();
        const QColor chosen(10, 200, 30);
        whenShown<QColorDialog>([=](QColorDialog& dialog) {
            dialog.setCurrentColor(chosen);
            dialog.accept();
        });
        main.mcolor_Click();
        main.showmorvick(); // as after a new plant: the start-up colour is back on screen
        QCOMPARE(main.Picture1->backColour(), colourFromLong(0x00123456));
        whenShown<QColorDialog>([=](QColorDialog& dialog) {
            QCOMPARE(dialog.currentColor(), chosen);
            dialog.reject();
        });
        main.mcolor_Click();
        QCOMPARE(main.Picture1->backColour(), colourFromLong(0x00123456));
    }

    void okIsEnabledExactlyWhileThereIsAPath()
    {
        MainForm main(sound);
        morvick.bmpdir = QStringLiteral("/stored/back.bmp");
        whenShown<BmpForm>([](BmpForm& form) {
            QCOMPARE(form.Text1->text(), QStringLiteral("/stored/back.bmp"));
            QVERIFY(form.Command3->isEnabled());
            form.Text1->clear();
            QVERIFY(!form.Command3->isEnabled());
            QTest::keyClicks(form.Text1, QStringLiteral(" "));
            QVERIFY(form.Command3->isEnabled());
        });
        main.mbmp_Click();
        morvick.bmpdir.clear();
        whenShown<BmpForm>([](BmpForm& form) { QVERIFY(!form.Command3->isEnabled()); });
        main.mbmp_Click();
    }

    void browsingOffersTheFourKindsAndFillsInThePath()
    {
        MainForm main(sound);
        const QString picture = writeFile(files, QStringLiteral("chosen.bmp"), redPicture("BMP"));
        whenShown<BmpForm>([picture](BmpForm& form) {
            whenShown<QFileDialog>([picture](QFileDialog& dialog) {
                QCOMPARE(dialog.nameFilters(), pictureFilters());
                dialog.selectFile(picture);
                static_cast<QDialog&>(dialog).accept();
            });
            form.Command1->click();
            QCOMPARE(form.Text1->text(), picture);
        });
        main.mbmp_Click();
        QVERIFY(!isStored("bmpdir"));
    }

    void okShowsAGoodPictureAndStoresItsPathFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("BMP") << "back.bmp" << QByteArray("BMP");
        QTest::newRow("PNG, readable though not offered") << "back.png" << QByteArray("PNG");
        QTest::newRow("PNG named .jpg") << "png.jpg" << QByteArray("PNG");
    }
    void okShowsAGoodPictureAndStoresItsPathFirst()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        MainForm main(sound);
        const QString path = writeFile(files, name, redPicture(format.constData()));
        bool storedBeforeClosing = false;
        OnHide closing([&] { storedBeforeClosing = onDisk(QStringLiteral("bmpdir=") + path); });
        whenShown<BmpForm>([&](BmpForm& form) {
            form.installEventFilter(&closing);
            form.Text1->setText(path);
            form.Command3->click();
        });
        main.mbmp_Click();
        QVERIFY(storedBeforeClosing);
        QCOMPARE(morvick.bmpdir, path);
        QCOMPARE(main.Picture1->grab().toImage().pixelColor(2, 2), QColor(Qt::red));
    }

    void aRelativePathIsStoredWhole()
    {
        MainForm main(sound);
        writeFile(files, QStringLiteral("rel.bmp"), redPicture("BMP"));
        const QString before = QDir::currentPath();
        QDir::setCurrent(files.path());
        whenShown<BmpForm>([](BmpForm& form) {
            form.Text1->setText(QStringLiteral("rel.bmp"));
            form.Command3->click();
        });
        main.mbmp_Click();
        QDir::setCurrent(before);
        QCOMPARE(QSettings().value("setting/bmpdir").toString(), files.filePath("rel.bmp"));
    }

    void okWithAPathThatGivesNoPictureForgetsIt_data()
    {
        QTest::addColumn<QString>("path");
        const QString fifo = files.filePath(QStringLiteral("pipe.bmp"));
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        QTest::newRow("missing file") << files.filePath(QStringLiteral("none.bmp"));
        QTest::newRow("text named .jpg") << writeFile(files, QStringLiteral("text.jpg"), "text\n");
        QTest::newRow("truncated picture")
            << writeFile(files, QStringLiteral("cut.png"), redPicture("PNG").chopped(30));
        QTest::newRow("huge picture") << writeFile(files, QStringLiteral("huge.bmp"), hugeBitmap());
        QTest::newRow("FIFO") << fifo;
        QTest::newRow("directory") << files.path();
        QTest::newRow("device") << "/dev/zero";
    }
    void okWithAPathThatGivesNoPictureForgetsIt()
    {
        QFETCH(QString, path);
        MainForm main(sound);
        main.Picture1->setPicture(QImage::fromData(redPicture("PNG")));
        QVERIFY(main.Picture1->hasPicture());
        morvick.bmpdir = QStringLiteral("/earlier.bmp");
        bool forgottenAtOnce = false;
        OnHide closing([&] { forgottenAtOnce = onDisk(QStringLiteral("bmpdir=")); });
        whenShown<BmpForm>([&](BmpForm& form) {
            form.installEventFilter(&closing);
            form.Text1->setText(path);
            form.Command3->click();
        });
        QElapsedTimer clock;
        clock.start();
        main.mbmp_Click();
        QVERIFY2(clock.elapsed() < 5000, "the failure path took too long");
        QVERIFY(!main.Picture1->hasPicture());
        QVERIFY(morvick.bmpdir.isEmpty());
        QVERIFY(forgottenAtOnce);
    }

    void resetRemovesThePictureButKeepsTheColour()
    {
        MainForm main(sound);
        main.Picture1->setPicture(QImage::fromData(redPicture("PNG")));
        main.Picture1->setBackColour(QColor(1, 2, 3));
        morvick.bmpdir = QStringLiteral("/shown.png");
        whenShown<BmpForm>([](BmpForm& form) { form.Command4->click(); });
        main.mbmp_Click();
        QVERIFY(!main.Picture1->hasPicture());
        QVERIFY(morvick.bmpdir.isEmpty());
        QVERIFY(onDisk(QStringLiteral("bmpdir=")));
        QCOMPARE(main.Picture1->backColour(), QColor(1, 2, 3));
    }

    void leavingThePictureWindowChangesNothing_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("CANCEL") << false;
        QTest::newRow("close box") << true;
    }
    void leavingThePictureWindowChangesNothing()
    {
        QFETCH(bool, byCloseBox);
        MainForm main(sound);
        main.Picture1->setPicture(QImage::fromData(redPicture("PNG")));
        morvick.bmpdir = QStringLiteral("/kept.png");
        const QString other = writeFile(files, QStringLiteral("other.bmp"), redPicture("BMP"));
        whenShown<BmpForm>([byCloseBox, other](BmpForm& form) {
            form.Text1->setText(other);
            byCloseBox ? void(form.close()) : form.Command2->click();
        });
        main.mbmp_Click();
        QCOMPARE(morvick.bmpdir, QStringLiteral("/kept.png"));
        QVERIFY(!isStored("bmpdir"));
        QVERIFY(main.Picture1->hasPicture());
    }
};

MORVICK_WIDGET_TEST_MAIN(TestAppearance)
#include "test_appearance.moc"
