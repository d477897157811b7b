// Every way out ends with status 0: a program that has played a sound effect
// tears down its players before the multimedia library shuts down, even when
// it ends while the effect is still loading.

#include <QProcess>
#include <QTest>

namespace {

// Runs the child; an empty string when it ended cleanly, what went wrong
// otherwise.
QString runChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral(KELVARIN_EXIT_CHILD), arguments);
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return QStringLiteral("did not end: ") + QString::fromLocal8Bit(child.readAll());
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return QStringLiteral("ended with %1: ").arg(child.exitCode()) +
               QString::fromLocal8Bit(child.readAll());
    return {};
}

} // namespace

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
        const QString fault = runChild({effect});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The player may quit the moment the line is cast. Where that moment
    // falls in the loading of the effect is a matter of luck, so the child
    // ends at many moments of it.
    void theProgramEndsCleanlyWhileAnEffectIsStillLoading()
    {
        for (int ms = 0; ms < 40; ms += 2) {
            const QString fault =
                runChild({QStringLiteral(KELVARIN_DATA_DIR "/fish/cast.wav"), QString::number(ms)});
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QStringLiteral("after %1 ms: %2").arg(ms).arg(fault)));
        }
    }
};

QTEST_GUILESS_MAIN(ExitTest)
#include "tst_exit.moc"
