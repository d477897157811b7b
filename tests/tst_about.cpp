// The about box and its two questions: what each mode shows, how each way
// of leaving the box answers, and what a screen reader is told.

#include "modalscript.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "presentation/about.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void eachModeFillsTheBox_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("okayCaption");
        QTest::addColumn<int>("okayLeft");
        QTest::addColumn<bool>("noShown");
        QTest::newRow("about") << 0 << TAbout1::creditLine() << "&Okay" << 100 << false;
        QTest::newRow("quit") << 1 << "Are you sure you want to Quit?" << "&Yes" << 32 << true;
        QTest::newRow("restart") << 2 << "Are you sure you want to restart the game?" << "&Yes"
                                 << 32 << true;
        QTest::newRow("any other tag asks to quit")
            << 7 << "Are you sure you want to Quit?" << "&Yes" << 32 << true;
    }

    void eachModeFillsTheBox()
    {
        QFETCH(int, tag);
        QFETCH(QString, message);
        QFETCH(QString, okayCaption);
        QFETCH(int, okayLeft);
        QFETCH(bool, noShown);

        ModalScript script;
        QString shownMessage, shownCaption, noCaption;
        int shownLeft = -1;
        bool noVisible = !noShown;
        bool okayFocused = false;
        QSize size;
        QString title;
        bool seenBox = false;
        script.then([&](QWidget* window) {
            auto* box = qobject_cast<TAbout1*>(window);
            seenBox = box != nullptr;
            shownMessage = box->Label1->text();
            shownCaption = box->Okay1->text();
            shownLeft = box->Okay1->x();
            noVisible = box->No1->isVisible();
            noCaption = box->No1->text();
            okayFocused = box->focusWidget() == box->Okay1;
            size = box->size();
            title = box->Panel1->caption();
            box->Okay1->click();
        });
        QCOMPARE(TAbout1::Ask(tag), 0);
        QVERIFY(seenBox);
        QCOMPARE(shownMessage, message);
        QCOMPARE(shownCaption, okayCaption);
        QCOMPARE(shownLeft, okayLeft);
        QCOMPARE(noVisible, noShown);
        QCOMPARE(noCaption, QStringLiteral("&No, don't quit"));
        QVERIFY2(okayFocused, "Okay1 must have the focus when the box opens");
        QCOMPARE(size, QSize(297, 246));
        QCOMPARE(title, QStringLiteral("Kelvarin"));
    }

    void leavingTheBoxAnswers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << "yes" << 0;
        QTest::newRow("no") << "no" << 1;
        QTest::newRow("closed by the window system") << "close" << 1;
        QTest::newRow("enter presses the focused yes") << "enter" << 0;
        QTest::newRow("the focus moved to no stays there when the box is activated again")
            << "tab away and back, enter" << 1;
    }

    void leavingTheBoxAnswers()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        ModalScript script;
        script.then([how](QWidget* window) {
            auto* box = qobject_cast<TAbout1*>(window);
            if (how == QLatin1String("yes"))
                box->Okay1->click();
            else if (how == QLatin1String("no"))
                box->No1->click();
            else if (how == QLatin1String("close"))
                box->close();
            else if (how == QLatin1String("enter"))
                QTest::keyClick(box->focusWidget(), Qt::Key_Return);
            else {
                QTest::keyClick(box->focusWidget(), Qt::Key_Tab);
                QCOMPARE(box->focusWidget(), box->No1);
                // The player switches to another program and back.
                QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
                QCoreApplication::sendEvent(box, &deactivate);
                QCoreApplication::sendEvent(box, &activate);
                QTest::keyClick(box->focusWidget(), Qt::Key_Return);
            }
        });
        QCOMPARE(TAbout1::Ask(TAbout1::QuitQuestion), answer);
    }

    void escapeDoesNothing()
    {
        ModalScript script;
        bool stillOpenAfterEscape = false;
        script.then([&](QWidget* window) {
            QTest::keyClick(window, Qt::Key_Escape);
            stillOpenAfterEscape = window->isVisible();
            qobject_cast<TAbout1*>(window)->No1->click();
        });
        QCOMPARE(TAbout1::Ask(TAbout1::RestartQuestion), 2);
        QVERIFY(stillOpenAfterEscape);
    }

    void theQuestionIsSaidAsTheBoxAppears()
    {
        ModalScript script;
        QString said;
        script.then([&](QWidget* box) {
            QCoreApplication::processEvents();
            // The box's announcer was made as it appeared.
            if (auto* announcer = box->findChild<platform::Announcer*>())
                said = announcer->lastText();
            qobject_cast<TAbout1*>(box)->No1->click();
        });
        TAbout1::Ask(TAbout1::QuitQuestion);
        QCOMPARE(said, QStringLiteral("Are you sure you want to Quit?"));
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
