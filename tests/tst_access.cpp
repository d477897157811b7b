// The pieces every screen uses to let children play with the keyboard and a
// screen reader: pictures that are buttons, announcements, the caption size
// and the contrast of text with what is behind it.

#include "announcementspy.h"
#include "platform/announce.h"
#include "platform/captionsize.h"
#include "platform/contrast.h"
#include "platform/focusmark.h"
#include "platform/keyboardbutton.h"
#include "platform/picturebox.h"
#include "platform/updown.h"

#include <QAccessibleValueInterface>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QImage plainPicture(QColor color)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

// The colours on the line three pixels inside the control's top edge, where
// the focus mark runs.
QSet<QRgb> coloursAlongTheTop(const QImage& shot)
{
    QSet<QRgb> colours;
    for (int x = 6; x < shot.width() - 6; ++x)
        colours.insert(shot.pixel(x, 3) & 0xFFFFFF);
    return colours;
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal); }

    void aPictureTheGameListensToIsAKeyboardButton_data()
    {
        QTest::addColumn<QString>("listensTo");
        QTest::addColumn<bool>("button");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("clicks") << "clicked" << true;
        QTest::newRow("double clicks") << "doubleClicked" << true;
        QTest::newRow("presses with their place") << "mousePressed" << true;
    }

    void aPictureTheGameListensToIsAKeyboardButton()
    {
        QFETCH(QString, listensTo);
        QFETCH(bool, button);
        platform::PictureBox box;
        if (listensTo == "clicked")
            connect(&box, &platform::PictureBox::clicked, this, [] {});
        else if (listensTo == "doubleClicked")
            connect(&box, &platform::PictureBox::doubleClicked, this, [] {});
        else if (listensTo == "mousePressed")
            connect(&box, &platform::PictureBox::mousePressed, this, [] {});
        QCOMPARE(box.isButton(), button);
        QCOMPARE(box.focusPolicy(), button ? Qt::TabFocus : Qt::NoFocus);
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(seen->role(), button ? QAccessible::Button : QAccessible::Graphic);
        QCOMPARE(seen->actionInterface()->actionNames().contains(
                     QAccessibleActionInterface::pressAction()),
                 button);
    }

    void theOwnerDecidesWhetherAPictureIsAButton()
    {
        platform::PictureBox listened;
        connect(&listened, &platform::PictureBox::clicked, this, [] {});
        listened.setButton(false);
        QCOMPARE(listened.focusPolicy(), Qt::NoFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(&listened)->role(), QAccessible::Graphic);

        platform::PictureBox chosen;
        chosen.setButton(true);
        QCOMPARE(chosen.focusPolicy(), Qt::TabFocus);
        // Connected afterwards, the owner's choice still holds.
        listened.setButton(false);
        connect(&listened, &platform::PictureBox::mousePressed, this, [] {});
        QVERIFY(!listened.isButton());
    }

    void enterAndSpacePressAButtonLikeAClickAtItsCentre_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
        QTest::newRow("Enter on the keypad")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
        QTest::newRow("Space held down repeats nothing")
            << int(Qt::Key_Space) << int(Qt::NoModifier) << true << 0;
        QTest::newRow("Shift+Space") << int(Qt::Key_Space) << int(Qt::ShiftModifier) << false << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false << 0;
    }

    void enterAndSpacePressAButtonLikeAClickAtItsCentre()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, held);
        QFETCH(int, clicks);
        platform::PictureBox box;
        box.resize(81, 193);
        QSignalSpy clicked(&box, &platform::PictureBox::clicked);
        QSignalSpy pressed(&box, &platform::PictureBox::mousePressed);
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), held);
        QCoreApplication::sendEvent(&box, &event);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(pressed.count(), clicks);
        if (clicks > 0) {
            QCOMPARE(pressed.first().at(0).toInt(), 40);
            QCOMPARE(pressed.first().at(1).toInt(), 96);
            QCOMPARE(pressed.first().at(2).value<Qt::MouseButton>(), Qt::LeftButton);
        }
    }

    void theOwnerChoosesWhereAPressLands()
    {
        platform::PictureBox lake;
        lake.resize(200, 100);
        QSignalSpy pressed(&lake, &platform::PictureBox::mousePressed);
        lake.setPressPoint(QPoint(150, 70));
        QTest::keyClick(&lake, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.first().at(0).toInt(), 150);
        QCOMPARE(pressed.first().at(1).toInt(), 70);
    }

    void aDisabledButtonCannotBePressed()
    {
        platform::PictureBox box;
        QSignalSpy clicked(&box, &platform::PictureBox::clicked);
        box.setEnabled(false);
        box.press();
        QAccessible::queryAccessibleInterface(&box)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(clicked.count(), 0);
        QVERIFY(
            !QAccessible::queryAccessibleInterface(&box)->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
    }

    void aScreenReaderPressesOnceItsRequestIsAnswered()
    {
        platform::PictureBox scene;
        scene.setAccessibleName(QStringLiteral("Market scene"));
        QSignalSpy clicked(&scene, &platform::PictureBox::clicked);
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&scene);
        QCOMPARE(seen->text(QAccessible::Name), QStringLiteral("Market scene"));
        seen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // A press may open a modal window: it waits for the reader's answer.
        QCOMPARE(clicked.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(clicked.count(), 1);
    }

    void theOwnerTellsWhatPressingDoesNow()
    {
        platform::PictureBox scene;
        connect(&scene, &platform::PictureBox::clicked, this, [] {});
        scene.setAccessibleDescription(
            QStringLiteral("Inside the shop.  Press to open the store."));
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&scene);
        QCOMPARE(seen->text(QAccessible::Description),
                 QStringLiteral("Inside the shop.  Press to open the store."));
    }

    void tabReachesButtonPicturesAndPassesOverTheOthers()
    {
        QWidget window;
        auto* first = new QPushButton(QStringLiteral("Okay"), &window);
        auto* plain = new platform::PictureBox(&window);
        auto* door = new platform::PictureBox(&window);
        connect(door, &platform::PictureBox::clicked, this, [] {});
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), door);
        QVERIFY(!plain->hasFocus());
    }

    void theFocusMarkReadsOnLightAndDarkPictures_data()
    {
        QTest::addColumn<QColor>("picture");
        QTest::newRow("a dark picture") << QColor(Qt::black);
        QTest::newRow("a light picture") << QColor(Qt::white);
        QTest::newRow("a middle grey") << QColor(128, 128, 128);
    }

    void theFocusMarkReadsOnLightAndDarkPictures()
    {
        QFETCH(QColor, picture);
        QWidget window;
        auto* okay = new QPushButton(QStringLiteral("Okay"), &window);
        auto* door = new platform::PictureBox(&window);
        door->setPicture(plainPicture(picture));
        door->setGeometry(10, 40, 60, 40);
        connect(door, &platform::PictureBox::clicked, this, [] {});
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        okay->setFocus(Qt::TabFocusReason);
        QCOMPARE(coloursAlongTheTop(door->grab().toImage()), QSet<QRgb>{picture.rgb() & 0xFFFFFF});
        door->setFocus(Qt::TabFocusReason);
        const QSet<QRgb> marked = coloursAlongTheTop(door->grab().toImage());
        QCOMPARE(marked, (QSet<QRgb>{0x000000, 0xFFFFFF}));
    }

    void theMarkShowsWhereTheKeyboardOrTheGameMovedTheFocus_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("marked");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << false << true;
        QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << false << true;
        QTest::newRow("the game") << int(Qt::OtherFocusReason) << false << true;
        QTest::newRow("a click") << int(Qt::MouseFocusReason) << true << false;
        QTest::newRow("a window that appears")
            << int(Qt::ActiveWindowFocusReason) << false << false;
        QTest::newRow("a window active again") << int(Qt::ActiveWindowFocusReason) << true << true;
    }

    void theMarkShowsWhereTheKeyboardOrTheGameMovedTheFocus()
    {
        QFETCH(int, reason);
        QFETCH(bool, before);
        QFETCH(bool, marked);
        QCOMPARE(platform::focusMarkWanted(Qt::FocusReason(reason), before), marked);
    }

    void aKeyboardButtonIsPressedWithEnterAndShowsItsFocus_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("marked");
        QTest::newRow("reached with Tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("clicked") << int(Qt::MouseFocusReason) << false;
    }

    void aKeyboardButtonIsPressedWithEnterAndShowsItsFocus()
    {
        QFETCH(int, reason);
        QFETCH(bool, marked);
        QWidget window;
        auto* other = new QPushButton(QStringLiteral("Other"), &window);
        auto* okay = new QPushButton(QStringLiteral("Okay"), &window);
        okay->setGeometry(0, 40, 90, 30);
        okay->setAutoDefault(false);
        platform::keyboardButton(okay);
        QSignalSpy clicked(okay, &QPushButton::clicked);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus(Qt::TabFocusReason);
        const QSet<QRgb> plain = coloursAlongTheTop(okay->grab().toImage());
        okay->setFocus(Qt::FocusReason(reason));
        const QSet<QRgb> focused = coloursAlongTheTop(okay->grab().toImage());
        QCOMPARE(focused.contains(0x000000) && focused.contains(0xFFFFFF), marked);
        QVERIFY(!(plain.contains(0x000000) && plain.contains(0xFFFFFF)));

        QTest::keyClick(okay, Qt::Key_Return);
        QTest::keyClick(okay, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(okay, Qt::Key_Return, Qt::ControlModifier); // not a press
        QCOMPARE(clicked.count(), 2);
    }

    void announcingShowsTheWindowsNotificationWithTheText()
    {
        QWidget window;
        auto* panel = new QWidget(&window);
        auto* caption = new QLabel(panel);
        window.show();
        AnnouncementSpy spy(&window);
        platform::announce(caption, QStringLiteral("Click on Door #4."));
        platform::announce(&window, QStringLiteral("Click on Door #4."));
        platform::announce(caption, QStringLiteral("  "));
        platform::announce(nullptr, QStringLiteral("Nobody hears this."));
        // Said twice, spoken twice; nothing said, nothing spoken.
        QCOMPARE(spy.texts, (QStringList{QStringLiteral("Click on Door #4."),
                                         QStringLiteral("Click on Door #4.")}));
        const auto announcers = window.findChildren<platform::Announcer*>();
        QCOMPARE(announcers.size(), 1);
        platform::Announcer* announcer = announcers.first();
        QCOMPARE(announcer->parentWidget(), &window);
        QVERIFY(announcer->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(announcer->focusPolicy(), Qt::NoFocus);
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(seen->role(), QAccessible::Notification);
        QCOMPARE(seen->text(QAccessible::Name), QStringLiteral("Click on Door #4."));
        QVERIFY(!seen->state().invisible);
    }

    void aWindowOffTheScreenSaysNothing()
    {
        QWidget window;
        AnnouncementSpy spy(&window);
        platform::announce(&window, QStringLiteral("Hello there!"));
        QVERIFY(spy.texts.isEmpty());
        // Nor does it say the old words when it appears.
        window.show();
        QVERIFY(spy.texts.isEmpty());
        QVERIFY(platform::Announcer::of(&window)->isHidden());
    }

    void anUpDownIsASpinButtonWithItsPosition()
    {
        QLineEdit box;
        platform::UpDown upDown;
        upDown.setRange(0, 99);
        upDown.setAssociate(&box);
        QSignalSpy clicked(&upDown, &platform::UpDown::clicked);
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&upDown);
        QCOMPARE(seen->role(), QAccessible::SpinBox);
        QAccessibleValueInterface* value = seen->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 99);

        value->setCurrentValue(5);
        QCoreApplication::processEvents();
        QCOMPARE(upDown.position(), 5);
        QCOMPARE(box.text(), QStringLiteral("5"));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(value->currentValue().toInt(), 5);

        seen->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        QCoreApplication::processEvents();
        QCOMPARE(upDown.position(), 6);
        seen->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        seen->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        QCoreApplication::processEvents();
        QCOMPARE(upDown.position(), 4);
        QCOMPARE(clicked.count(), 4);
    }

    void theCaptionSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pixels"); // of a 16-pixel caption
        QTest::newRow("normal") << int(platform::CaptionSize::Normal) << 16;
        QTest::newRow("large") << int(platform::CaptionSize::Large) << 20;
        QTest::newRow("larger") << int(platform::CaptionSize::Larger) << 24;
    }

    void theCaptionSizes()
    {
        QFETCH(int, size);
        QFETCH(int, pixels);
        auto& setting = platform::CaptionSize::instance();
        setting.setSize(static_cast<platform::CaptionSize::Size>(size));
        QCOMPARE(setting.pixelSize(16), pixels);
    }

    void everyMenuShowsTheCaptionSizeChosenInAnyOfThem()
    {
        QMenu market;
        QMenu trail;
        platform::addCaptionSizeItems(&market);
        platform::addCaptionSizeItems(&trail);
        QSignalSpy changed(&platform::CaptionSize::instance(), &platform::CaptionSize::changed);
        QVERIFY(trail.findChild<QAction*>("NormalCaptions")->isChecked());
        market.findChild<QAction*>("LargerCaptions")->trigger();
        QCOMPARE(platform::CaptionSize::instance().size(), platform::CaptionSize::Larger);
        QCOMPARE(changed.count(), 1);
        for (const char* name : {"NormalCaptions", "LargeCaptions", "LargerCaptions"}) {
            const bool larger = QByteArray(name) == "LargerCaptions";
            QCOMPARE(trail.findChild<QAction*>(name)->isChecked(), larger);
            QCOMPARE(market.findChild<QAction*>(name)->isChecked(), larger);
        }
    }

    void theZoomKeysStepTheCaptionSize()
    {
        QWidget window;
        platform::addCaptionSizeKeys(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto& setting = platform::CaptionSize::instance();
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(setting.size(), platform::CaptionSize::Large);
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier); // no larger than larger
        QCOMPARE(setting.size(), platform::CaptionSize::Larger);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(setting.size(), platform::CaptionSize::Large);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(setting.size(), platform::CaptionSize::Normal);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier); // no smaller than normal
        QCOMPARE(setting.size(), platform::CaptionSize::Normal);
    }

    void aFollowingCaptionGrowsRewrapsAndStaysInsideItsWindow()
    {
        QWidget window;
        window.resize(400, 300);
        auto* caption = new QLabel(&window);
        caption->setWordWrap(true);
        QFont font = caption->font();
        font.setPixelSize(16);
        caption->setFont(font);
        caption->setText(QStringLiteral("Click on the screen to bring up the STORE MENU, and "
                                        "select the items you want to buy."));
        caption->setGeometry(100, 230, 200, caption->heightForWidth(200));
        auto* owned = new QLabel(&window);
        owned->setFont(font);
        owned->setGeometry(0, 0, 50, 20);
        platform::followCaptionSize(caption);
        platform::followCaptionSize(owned, platform::CaptionFit::FontOnly);
        const int normalHeight = caption->height();

        platform::CaptionSize::instance().setSize(platform::CaptionSize::Larger);
        QCOMPARE(caption->font().pixelSize(), 24);
        QCOMPARE(caption->width(), 200);
        QCOMPARE(caption->height(), caption->heightForWidth(200));
        QVERIFY(caption->height() > normalHeight);
        QVERIFY(window.rect().contains(caption->geometry()));
        QCOMPARE(caption->x(), 100);
        QCOMPARE(owned->font().pixelSize(), 24);
        QCOMPARE(owned->geometry(), QRect(0, 0, 50, 20));

        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
        QCOMPARE(caption->font().pixelSize(), 16);
        QCOMPARE(caption->height(), normalHeight);
    }

    void aCaptionMadeAtALargerSizeStartsLarger()
    {
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Large);
        QLabel caption;
        QFont font = caption.font();
        font.setPixelSize(16);
        caption.setFont(font);
        platform::followCaptionSize(&caption);
        QCOMPARE(caption.font().pixelSize(), 20);
    }

    void contrastIsMeasuredAsTheGuidelinesDo_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("the same colour") << QColor(90, 40, 10) << QColor(90, 40, 10) << 1.0;
        QTest::newRow("the old caption teal on black")
            << QColor(0, 128, 128) << QColor(Qt::black) << 4.4;
        QTest::newRow("yellow on black") << QColor(Qt::yellow) << QColor(Qt::black) << 19.6;
        QTest::newRow("middle grey on white") << QColor(118, 118, 118) << QColor(Qt::white) << 4.5;
    }

    void contrastIsMeasuredAsTheGuidelinesDo()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(platform::contrastRatio(text, background) - ratio) < 0.06,
                 qPrintable(QString::number(platform::contrastRatio(text, background))));
    }

    void theStoryCaptionTealReadsOnBlack()
    {
        QVERIFY(platform::contrastRatio(platform::storyCaptionTeal(), Qt::black) >=
                platform::ReadableContrast);
        // Still a teal: blue and green alike, no red.
        const QColor teal = platform::storyCaptionTeal();
        QCOMPARE(teal.red(), 0);
        QCOMPARE(teal.green(), teal.blue());
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
