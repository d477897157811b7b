// Where the trail screen puts its controls on screens of several sizes.

#include "trail/traillayout.h"

#include <QTest>

class TrailLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void designScreenKeepsTheDesignSizes()
    {
        const TrailLayout l = computeTrailLayout(1024, 768);
        QCOMPARE(l.VScale, 1.0f);
        QCOMPARE(l.HScale, 1.0f);
        QCOMPARE(l.picture(), QRect(212, 90, 600, 450));
        QCOMPARE(l.gap, 69);
        QCOMPARE(l.barH, 138);
        QCOMPARE(QPoint(l.IPicLeft, l.IPicTop), QPoint(350, 249));
        QCOMPARE(l.IL1, QPoint(370, 289));
        QCOMPARE(l.IL2, QPoint(370, 359));
        QCOMPARE(l.Visit, QPoint(69, 53));
        QCOMPARE(l.Look, QPoint(69, 90));
        QCOMPARE(l.Continue, QPoint(248, 53));
        QCOMPARE(l.Exit1, QPoint(248, 90));
        QCOMPARE(l.BtnMap, QPoint(427, 50));
        QCOMPARE(l.BtnParty, QPoint(625, 50));
        QCOMPARE(l.BtnInv, QPoint(823, 50));
        QCOMPARE(l.Map, QPoint(198, 40));
        QCOMPARE(l.PartyPanelLeft, 724);
        QCOMPARE(l.EndLabelFontSize, 0);
        QVERIFY(l.DchoiceScaled);
        QCOMPARE(l.DchoiceTop, 600);
    }

    void smallScreenHasTheShortBar()
    {
        const TrailLayout l = computeTrailLayout(800, 600);
        QVERIFY(l.VScale < 1);
        QCOMPARE(l.picture(), QRect(100, 24, 600, 450));
        QCOMPARE(l.barH, 100);
        QCOMPARE(l.rowTop, 10);
        QCOMPARE(l.EndLabelFontSize, 12);
        QCOMPARE(l.EndLabelWidth, 625);
        QVERIFY(!l.DchoiceScaled);
    }

    void tallScreenGrowsThePicture()
    {
        const TrailLayout l = computeTrailLayout(1280, 1024);
        QCOMPARE(l.picW, 750);
        QCOMPARE(l.picH, 600);
        QCOMPARE(l.barH, 184);
        QCOMPARE(l.PicLeft, 265);
        QCOMPARE(l.PicTop, 120);
        QCOMPARE(l.CaptionWidth, 750);
        QCOMPARE(l.CaptionFontSize, 12);
        QCOMPARE(l.DC2Top, 72);
    }
};

QTEST_GUILESS_MAIN(TrailLayoutTest)
#include "tst_traillayout.moc"
