// Every way out ends with status 0: a program that has played a sound effect
// tears down its players before the multimedia library shuts down.

#include <QProcess>
#include <QTest>

class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void theProgramEndsCleanlyAfterASoundEffect_data()
    {
        QTest::addColumn<QString>("effect");
        QTest::newRow("a real effect") << QStringLiteral(KELVARIN_DATA_DIR "/fish/cast.wav");
        QTest::newRow("the record fish") << QStringLiteral(KELVARIN_DATA_DIR "/fish/yeehaw.wav");
        QTest::newRow("a missing file") << QStringLiteral(KELVARIN_DATA_DIR "/fish/none.wav");
    }

    void theProgramEndsCleanlyAfterASoundEffect()
    {
        QFETCH(QString, effect);
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QStringLiteral(KELVARIN_EXIT_CHILD), {effect});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, child.readAll().constData());
        QCOMPARE(child.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(ExitTest)
#include "tst_exit.moc"
