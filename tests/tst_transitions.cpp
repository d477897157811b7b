// The screen transitions: the dissolve's pattern, the clock wipe's ray, the
// timed frame loop that holds a run to its duration on fast and slow
// machines, the abort query, and the show transition of a window with its
// render layer, the pictures it turns between and the one-transition-at-a-
// time rule.

#include "errorcapture.h"
#include "platform/form.h"
#include "presentation/transitions/chrono.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusepattern.h"
#include "presentation/transitions/fusetransition.h"
#include "presentation/transitions/radialgeometry.h"
#include "presentation/transitions/radialtransition.h"
#include "presentation/transitions/renderlayer.h"
#include "presentation/transitions/transitiondata.h"
#include "presentation/transitions/transitionlist.h"
#include "presentation/transitions/transitionmask.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <memory>

namespace {

// A clock that moves only when it is read or told to: a machine whose
// drawing costs nothing unless a test says so.
struct FakeClock {
    double now = 0;
    double perRead = 0.001;

    double read() { return now += perRead; }
    TTEChrono::TimeSource source()
    {
        return [this] { return read(); };
    }
};

// An output that takes a set time to show each frame, as a screen does.
class TimedOutput : public ImageOutput {
public:
    TimedOutput(const QSize& size, FakeClock& clock, double costMs)
        : ImageOutput(size), clock_(clock), costMs_(costMs)
    {
    }

    void showFrame(const QImage& picture, const QRect& area) override
    {
        clock_.now += costMs_;
        shownAt << clock_.now;
        ImageOutput::showFrame(picture, area);
    }

    QList<double> shownAt;

private:
    FakeClock& clock_;
    double costMs_;
};

struct Frame {
    int current;
    int previous;
    int count;
};

// An effect that notes every frame it draws, takes a set time per step, and
// can be made to fail at a step.
template <class Effect> class Recording : public Effect {
public:
    using Effect::Effect;

    QList<Frame> frames;
    FakeClock* clock = nullptr;
    double stepCostMs = 0;
    int failAtStep = 0;

protected:
    void drawSteps(TTETransitionData& data, int current, int previous, int total,
                   int count) override
    {
        if (failAtStep > previous && failAtStep <= current)
            throw std::runtime_error("The frame could not be drawn.");
        frames << Frame{current, previous, count};
        if (clock)
            clock->now += stepCostMs * count;
        Effect::drawSteps(data, current, previous, total, count);
    }
};

// A picture whose neighbouring pixels all differ.
QImage picture(const QSize& size, int seed)
{
    QImage image(size, TransitionPixelFormat);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 5 + seed) & 255, (x + y) & 255));
    return image;
}

std::unique_ptr<TTimedTransitionEffect> makeEffect(const QString& kind)
{
    if (kind == QLatin1String("dissolve"))
        return std::make_unique<Recording<TFuseTransition>>();
    return std::make_unique<Recording<TRadialTransition>>();
}

QList<Frame>& framesOf(TTimedTransitionEffect& effect)
{
    if (auto* fuse = dynamic_cast<Recording<TFuseTransition>*>(&effect))
        return fuse->frames;
    return dynamic_cast<Recording<TRadialTransition>&>(effect).frames;
}

// Steps 1 .. last, each drawn once, in order, frame after frame.
bool stepsAreContiguous(const QList<Frame>& frames)
{
    int expected = 0;
    for (const Frame& frame : frames) {
        if (frame.previous != expected || frame.count != frame.current - frame.previous ||
            frame.count < 1)
            return false;
        expected = frame.current;
    }
    return true;
}

// The render layers shown anywhere in the game's windows.
QList<TTERenderLayer*> renderLayers()
{
    QList<TTERenderLayer*> layers;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (auto* layer : window->findChildren<TTERenderLayer*>())
            if (layer->isVisible())
                layers << layer;
    return layers;
}

// Lets pending events run, deferred deletions included; no waiting.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A small window of the game with a coloured background and a label.
class TestForm : public platform::Form {
public:
    explicit TestForm(const QColor& colour) : Form(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, colour);
        setPalette(palette);
        auto* label = new QLabel(QStringLiteral("Kelvarin"), this);
        label->setGeometry(10, 10, 80, 20);
        setGeometry(20, 30, 200, 150);
    }

    QStringList* events = nullptr;

protected:
    void FormActivate() override
    {
        if (events)
            *events << "activated";
    }
};

} // namespace

class TransitionsTest : public QObject {
    Q_OBJECT

    int* keyPresses_ = nullptr;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (keyPresses_ && event->type() == QEvent::KeyPress)
            ++*keyPresses_;
        return false;
    }

private slots:
    void cleanup()
    {
        settle();
        QVERIFY(!transitionInProgress());
    }

    // The dissolve's pattern

    void eachDissolveStepSwitchesOnePositionOfTheCell_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("first") << 1 << QPoint(4, 4);
        QTest::newRow("second") << 2 << QPoint(0, 0);
        QTest::newRow("third") << 3 << QPoint(4, 0);
        QTest::newRow("33") << 33 << QPoint(5, 4);
        QTest::newRow("63") << 63 << QPoint(6, 1);
        QTest::newRow("last") << 64 << QPoint(2, 5);
    }

    void eachDissolveStepSwitchesOnePositionOfTheCell()
    {
        QFETCH(int, step);
        QFETCH(QPoint, position);
        QCOMPARE(fusePositionOfStep(step), position);
        QCOMPARE(FuseStepTable[position.y()][position.x()], step);
    }

    void aDissolveFrameShowsTheNewPictureExactlyAtTheSwitchedPositions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<int>>("frameEnds"); // the last step of each frame
        QTest::newRow("800x600, one step") << QSize(800, 600) << QList<int>{1};
        QTest::newRow("800x600, steps 1-5-40") << QSize(800, 600) << QList<int>{1, 5, 40};
        QTest::newRow("odd size, one frame of 63") << QSize(13, 11) << QList<int>{63};
        QTest::newRow("odd size, 17 and 30") << QSize(13, 11) << QList<int>{17, 30};
    }

    void aDissolveFrameShowsTheNewPictureExactlyAtTheSwitchedPositions()
    {
        QFETCH(QSize, size);
        QFETCH(QList<int>, frameEnds);
        const QImage oldPicture = picture(size, 0);
        const QImage newPicture = picture(size, 101);
        QImage work = oldPicture.copy();
        int previous = 0;
        for (int last : frameEnds) {
            FusePattern added;
            added.switchSteps(previous + 1, last);
            QCOMPARE(drawFusePattern(work, newPicture, added), QRect(QPoint(0, 0), size));
            previous = last;
        }
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool switched = FuseStepTable[y % 8][x % 8] <= previous;
                const QImage& expected = switched ? newPicture : oldPicture;
                if (work.pixel(x, y) != expected.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
    }

    // The clock wipe's ray

    void theClockWipeRayEndsOnTheFrameAroundTheArea_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("step 1: straight above the centre") << 1 << QPoint(400, -1);
        QTest::newRow("step 2") << 2 << QPoint(401, -1);
        QTest::newRow("step 401: top-right corner") << 401 << QPoint(800, -1);
        QTest::newRow("step 402: down the right edge") << 402 << QPoint(800, 0);
        QTest::newRow("step 1002: bottom-right corner") << 1002 << QPoint(800, 600);
        QTest::newRow("step 1003: along the bottom") << 1003 << QPoint(799, 600);
        QTest::newRow("step 1803: bottom-left corner") << 1803 << QPoint(-1, 600);
        QTest::newRow("step 2404: top-left corner") << 2404 << QPoint(-1, -1);
        QTest::newRow("step 2804: last, left of the start") << 2804 << QPoint(399, -1);
    }

    void theClockWipeRayEndsOnTheFrameAroundTheArea()
    {
        QFETCH(int, step);
        QFETCH(QPoint, end);
        const RadialGeometry geometry(800, 600);
        QCOMPARE(geometry.positions(), 2804);
        QCOMPARE(geometry.centre(), QPoint(400, 300));
        QCOMPARE(geometry.position(geometry.positionOfStep(step)), end);
    }

    void theClockWipeDrawsTheRayOrTheSweptSector_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("count");
        QTest::addColumn<QPolygon>("shape");
        QTest::addColumn<QRect>("changed");
        const QPoint c(400, 300);
        QTest::newRow("one step: the ray")
            << 1 << 1 << QPolygon({c, {400, -1}}) << QRect(400, 0, 1, 301);
        QTest::newRow("up to the corner")
            << 401 << 400 << QPolygon({c, {401, -1}, {800, -1}}) << QRect(400, 0, 400, 301);
        QTest::newRow("round the top-right corner")
            << 1002 << 1002 << QPolygon({c, {400, -1}, {800, -1}, {800, 600}})
            << QRect(400, 0, 400, 600);
        QTest::newRow("round the bottom-right corner")
            << 1500 << 700 << QPolygon({c, {800, 399}, {800, 600}, {302, 600}})
            << QRect(302, 300, 498, 300);
        QTest::newRow("across the start")
            << 2900 << 200 << QPolygon({c, {296, -1}, {495, -1}}) << QRect(296, 0, 200, 301);
    }

    void theClockWipeDrawsTheRayOrTheSweptSector()
    {
        QFETCH(int, step);
        QFETCH(int, count);
        QFETCH(QPolygon, shape);
        QFETCH(QRect, changed);
        const RadialGeometry geometry(800, 600);
        QCOMPARE(geometry.shape(step, count), shape);
        TransitionMask mask(800, 600);
        QImage work = picture({800, 600}, 0);
        QCOMPARE(mask.uncover(shape, work, work, picture({800, 600}, 1)), changed);
    }

    void theMaskRowsAreRoundedUpTo32Pixels_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("rowWidth");
        QTest::newRow("800") << 800 << 800;
        QTest::newRow("801") << 801 << 832;
        QTest::newRow("1") << 1 << 32;
        QTest::newRow("1023") << 1023 << 1024;
    }

    void theMaskRowsAreRoundedUpTo32Pixels()
    {
        QFETCH(int, width);
        QFETCH(int, rowWidth);
        QCOMPARE(TransitionMask(width, 10).rowWidth(), rowWidth);
    }

    // Recombining only the changed rectangle must leave nothing behind: after
    // every frame the work bitmap is the new picture where the mask is set and
    // the old one elsewhere, and the mask only grows.
    void theClockWipeRecombinesEverythingEachFrameUncovers_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("stepsPerFrame");
        QTest::newRow("61x47, one step a frame") << QSize(61, 47) << 1;
        QTest::newRow("61x47, seven steps a frame") << QSize(61, 47) << 7;
        QTest::newRow("40x30, a quarter turn a frame") << QSize(40, 30) << 36;
    }

    void theClockWipeRecombinesEverythingEachFrameUncovers()
    {
        QFETCH(QSize, size);
        QFETCH(int, stepsPerFrame);
        const QImage oldPicture = picture(size, 0);
        const QImage newPicture = picture(size, 77);
        const RadialGeometry geometry(size.width(), size.height());
        TransitionMask mask(size.width(), size.height());
        QImage work = oldPicture.copy();
        int setBefore = 0;
        // Frames as the run draws them: up to the step before the last.
        for (int previous = 0; previous < geometry.positions() - 1; previous += stepsPerFrame) {
            const int step = std::min(previous + stepsPerFrame, geometry.positions() - 1);
            mask.uncover(geometry.shape(step, step - previous), work, oldPicture, newPicture);
            int set = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    set += mask.isSet(x, y);
                    const QImage& expected = mask.isSet(x, y) ? newPicture : oldPicture;
                    if (work.pixel(x, y) != expected.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("step %1, pixel %2,%3 left behind")
                                             .arg(step)
                                             .arg(x)
                                             .arg(y)));
                }
            QVERIFY(set >= setBefore);
            setBefore = set;
        }
        // One sweep round uncovers the whole area but for the sliver of the
        // last step, just left of 12 o'clock, which the final picture fills.
        const QPoint centre = geometry.centre();
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (!mask.isSet(x, y) && (y > centre.y() || x < centre.x() - 2 || x > centre.x()))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 never uncovered").arg(x).arg(y)));
    }

    // The timed loop

    void aFastMachineDrawsEveryStepInItsOwnFrameAtAnEvenPace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("steps");
        QTest::newRow("dissolve, 500 ms") << "dissolve" << 500 << 64;
        QTest::newRow("dissolve, 1400 ms") << "dissolve" << 1400 << 64;
        QTest::newRow("clock wipe 64x48, 500 ms") << "clock wipe" << 500 << 2 * (64 + 48 + 2);
    }

    void aFastMachineDrawsEveryStepInItsOwnFrameAtAnEvenPace()
    {
        QFETCH(QString, kind);
        QFETCH(int, milliseconds);
        QFETCH(int, steps);
        FakeClock clock;
        auto effect = makeEffect(kind);
        effect->Milliseconds = milliseconds;
        effect->setTimeSource(clock.source());
        const QSize size(64, 48);
        TimedOutput output(size, clock, 0.01);
        TTETransitionData data(picture(size, 0), picture(size, 9), &output);

        effect->play(data);

        const QList<Frame>& frames = framesOf(*effect);
        QCOMPARE(frames.size(), steps - 1);
        QVERIFY(stepsAreContiguous(frames));
        QCOMPARE(frames.last().current, steps - 1);
        QCOMPARE(output.frames, steps); // and the final picture
        const double period = double(milliseconds) / steps;
        for (int i = 0; i < steps - 1; ++i)
            QVERIFY2(
                qAbs(output.shownAt[i] - (i + 1) * period) < 0.5,
                qPrintable(QStringLiteral("frame %1 at %2").arg(i + 1).arg(output.shownAt[i])));
        QVERIFY(qAbs(output.shownAt.last() - milliseconds) < period + 1);
        QCOMPARE(output.canvas, data.newPicture);
    }

    void aSlowMachineDrawsFewerFramesOfSeveralStepsAndKeepsTheDuration_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<double>("screenCostMs");
        QTest::addColumn<double>("stepCostMs");
        QTest::newRow("dissolve, 500 ms, 20 ms a frame") << "dissolve" << 500 << 20.0 << 0.5;
        QTest::newRow("dissolve, 1400 ms, 40 ms a frame") << "dissolve" << 1400 << 40.0 << 0.2;
        QTest::newRow("clock wipe, 500 ms, 15 ms a frame") << "clock wipe" << 500 << 15.0 << 0.05;
        // Late after the first frame: the rest comes with the final picture.
        QTest::newRow("dissolve, 500 ms, 300 ms a frame") << "dissolve" << 500 << 300.0 << 0.0;
    }

    void aSlowMachineDrawsFewerFramesOfSeveralStepsAndKeepsTheDuration()
    {
        QFETCH(QString, kind);
        QFETCH(int, milliseconds);
        QFETCH(double, screenCostMs);
        QFETCH(double, stepCostMs);
        FakeClock clock;
        auto effect = makeEffect(kind);
        effect->Milliseconds = milliseconds;
        effect->setTimeSource(clock.source());
        if (auto* fuse = dynamic_cast<Recording<TFuseTransition>*>(effect.get())) {
            fuse->clock = &clock;
            fuse->stepCostMs = stepCostMs;
        } else if (auto* radial = dynamic_cast<Recording<TRadialTransition>*>(effect.get())) {
            radial->clock = &clock;
            radial->stepCostMs = stepCostMs;
        }
        const QSize size(64, 48);
        TimedOutput output(size, clock, screenCostMs);
        TTETransitionData data(picture(size, 0), picture(size, 9), &output);

        effect->play(data);

        const QList<Frame>& frames = framesOf(*effect);
        const int steps = kind == QLatin1String("dissolve") ? 64 : 2 * (64 + 48 + 2);
        // No more frames than the screen can show in the time.
        QVERIFY(frames.size() <= milliseconds / screenCostMs + 1);
        QVERIFY(frames.size() < steps - 1);
        QVERIFY(stepsAreContiguous(frames));
        if (frames.size() > 1)
            QVERIFY(std::any_of(frames.begin(), frames.end(),
                                [](const Frame& f) { return f.count > 1; }));
        // The run ends about when it should: at the latest one frame late.
        const double end = output.shownAt.last();
        QVERIFY2(end > milliseconds - 2 * screenCostMs && end < milliseconds + screenCostMs + 10,
                 qPrintable(
                     QStringLiteral("ended at %1 ms after %2 frames").arg(end).arg(frames.size())));
        QCOMPARE(output.canvas, data.newPicture);
    }

    void withoutATimeEveryStepIsDrawnOnceAsFastAsPossible()
    {
        Recording<TFuseTransition> effect;
        effect.Milliseconds = 0;
        const QSize size(16, 16);
        ImageOutput output(size);
        TTETransitionData data(picture(size, 0), picture(size, 3), &output);
        effect.play(data);
        QCOMPARE(effect.frames.size(), 63);
        QVERIFY(stepsAreContiguous(effect.frames));
        QCOMPARE(output.frames, 64);
        QCOMPARE(output.canvas, data.newPicture);
    }

    void theLastFrameIsTheCompleteNewPictureAlsoWhenAborted_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<bool>("abort");
        for (const char* kind : {"dissolve", "clock wipe"}) {
            QTest::addRow("%s, completed", kind) << kind << 500 << false;
            QTest::addRow("%s, aborted", kind) << kind << 1400 << true;
        }
    }

    void theLastFrameIsTheCompleteNewPictureAlsoWhenAborted()
    {
        QFETCH(QString, kind);
        QFETCH(int, milliseconds);
        QFETCH(bool, abort);
        FakeClock clock;
        auto effect = makeEffect(kind);
        effect->Milliseconds = milliseconds;
        effect->setTimeSource(clock.source());
        effect->OnAbortQuery = [&](TTransitionEffect*, TTransitionEffect*, bool& Abort) {
            Abort = abort;
        };
        const QSize size(50, 40);
        ImageOutput output(size);
        TTETransitionData data(picture(size, 0), picture(size, 200), &output);

        effect->play(data);

        QCOMPARE(effect->aborted(), abort);
        if (abort)
            QVERIFY(clock.now < 400); // stopped at the first query, after 300 ms
        QCOMPARE(output.lastArea, QRect(0, 0, 50, 40));
        QCOMPARE(output.canvas, data.newPicture);
    }

    void theAbortQueryIsMadeAtMostEvery300Milliseconds_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("queries");
        QTest::newRow("1400 ms") << 1400 << 4;
        QTest::newRow("500 ms") << 500 << 1;
        QTest::newRow("200 ms: too short for a query") << 200 << 0;
    }

    void theAbortQueryIsMadeAtMostEvery300Milliseconds()
    {
        QFETCH(int, milliseconds);
        QFETCH(int, queries);
        FakeClock clock;
        TFuseTransition effect;
        effect.Milliseconds = milliseconds;
        effect.setTimeSource(clock.source());
        QList<double> askedAt;
        int ends = 0;
        effect.OnAbortQuery = [&](TTransitionEffect* sender, TTransitionEffect* transition, bool&) {
            QCOMPARE(sender, &effect);
            QCOMPARE(transition, &effect);
            askedAt << clock.now;
        };
        effect.OnEndTransition = [&](TTransitionEffect*) { ++ends; };
        ImageOutput output(QSize(8, 8));
        TTETransitionData data(picture({8, 8}, 0), picture({8, 8}, 1), &output);

        effect.play(data);

        QCOMPARE(askedAt.size(), queries);
        double last = 0;
        for (double at : askedAt) {
            QVERIFY(at - last > 300);
            last = at;
        }
        // The end comes whether or not a query was made.
        QCOMPARE(ends, 1);
        QVERIFY(!effect.aborted());
    }

    void theSpinEndsWhenTheClockStandsStill()
    {
        TTEChrono chrono([] { return 5.0; });
        chrono.start();
        QCOMPARE(chrono.spinUntil(10), 0.0);
    }

    // Windows

    void aWindowAppearsThroughItsShowTransition()
    {
        TestForm form(Qt::red);
        TTransitionList list(&form);
        auto* effect = list.add<TFuseTransition>();
        TFormTransitions trans(&form);
        trans.DestroyTransitions = false;
        trans.ShowTransition = effect;
        QStringList events;
        form.events = &events;
        QRect coveredArea;
        QWidget* layerWindow = nullptr;
        qsizetype windowsBefore = QApplication::topLevelWidgets().size();
        qsizetype windowsDuring = -1;
        bool busy = false;
        effect->OnBeforeTransition = [&](TTransitionEffect*) { events << "before"; };
        effect->OnStartTransition = [&](TTransitionEffect*) {
            events << "start";
            const auto layers = renderLayers();
            if (layers.size() == 1) {
                coveredArea = layers.first()->geometry();
                layerWindow = layers.first()->window();
            }
            windowsDuring = QApplication::topLevelWidgets().size();
            busy = transitionInProgress();
            // The desktop activates the window in the middle of its opening.
            QApplication::setActiveWindow(&form);
        };
        effect->OnEndTransition = [&](TTransitionEffect*) { events << "end"; };
        effect->OnAfterTransition = [&](TTransitionEffect*) { events << "after"; };

        form.show();

        // The activation waits for the opening to be over, and comes as
        // activations do, from the event loop (where the window's modal run
        // is by then).
        QCOMPARE(events, (QStringList{"before", "start", "end", "after"}));
        settle();
        QCOMPARE(events, (QStringList{"before", "start", "end", "after", "activated"}));
        // The frames are shown inside the window itself, over all of it: no
        // window of its own is put on the desktop.
        QCOMPARE(layerWindow, &form);
        QCOMPARE(coveredArea, form.rect());
        QCOMPARE(windowsDuring, windowsBefore);
        QVERIFY(busy);
        QVERIFY(!transitionInProgress());
        QVERIFY(renderLayers().isEmpty());
        QVERIFY(form.isVisible());
        QCOMPARE(form.grab().toImage().pixelColor(150, 100), QColor(Qt::red));
        form.events = nullptr;
    }

    void theOldPictureIsWhatTheGameShowedThere_data()
    {
        QTest::addColumn<bool>("screenUnder");
        QTest::addColumn<QColor>("firstFrame");
        // The desktop is never read: without a screen of the game under it,
        // the window turns from the black of the game's backdrop.
        QTest::newRow("nothing of the game under it") << false << QColor(Qt::black);
        QTest::newRow("a main screen under it") << true << QColor(Qt::darkGreen);
    }

    void theOldPictureIsWhatTheGameShowedThere()
    {
        QFETCH(bool, screenUnder);
        QFETCH(QColor, firstFrame);
        TestForm screen(Qt::black);
        // A main screen's picture is what stands on it (around its stage
        // the window is black).
        QLabel scene(&screen);
        scene.setAutoFillBackground(true);
        QPalette green;
        green.setColor(QPalette::Window, Qt::darkGreen);
        scene.setPalette(green);
        if (screenUnder) {
            screen.placeMainScreen();
            scene.setGeometry(screen.rect());
            screen.show();
        }
        TestForm form(Qt::red);
        TTransitionList list;
        auto* effect = list.add<TRadialTransition>();
        TFormTransitions trans(&form);
        trans.DestroyTransitions = false;
        trans.ShowTransition = effect;
        QColor shownFirst;
        effect->OnStartTransition = [&](TTransitionEffect*) {
            const auto layers = renderLayers();
            QCOMPARE(layers.size(), 1);
            // Far from the centre, where the clock wipe uncovers last.
            shownFirst = layers.first()->grab().toImage().pixelColor(5, 140);
        };

        form.show();

        QCOMPARE(shownFirst, firstFrame);
    }

    void aSecondWindowShownDuringATransitionAppearsAtOnce()
    {
        TestForm first(Qt::red);
        TestForm second(Qt::blue);
        TTransitionList list;
        auto* firstEffect = list.add<TFuseTransition>();
        auto* secondEffect = list.add<TRadialTransition>();
        TFormTransitions firstTrans(&first);
        firstTrans.ShowTransition = firstEffect;
        firstTrans.DestroyTransitions = false;
        TFormTransitions secondTrans(&second);
        secondTrans.ShowTransition = secondEffect;
        secondTrans.DestroyTransitions = false;
        int secondRuns = 0;
        int windowsDuringSecondShow = -1;
        secondEffect->OnBeforeTransition = [&](TTransitionEffect*) { ++secondRuns; };
        firstEffect->OnStartTransition = [&](TTransitionEffect*) {
            second.show();
            windowsDuringSecondShow = int(renderLayers().size());
        };

        first.show();

        QVERIFY(second.isVisible());
        QCOMPARE(secondRuns, 0);
        QCOMPARE(windowsDuringSecondShow, 1);

        // Once the first has ended, the second runs its own when shown again.
        second.hide();
        second.show();
        QCOMPARE(secondRuns, 1);
    }

    void aClickOnTheTransitionOrEscapeEndsTheRunWhenAllowed_data()
    {
        QTest::addColumn<bool>("onClick");
        QTest::addColumn<bool>("onEscape");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("aborts");
        QTest::newRow("left click") << true << false << "left click" << true;
        QTest::newRow("left click, as the window system brings it")
            << true << false << "left click on the window" << true;
        QTest::newRow("right click") << true << false << "right click" << false;
        QTest::newRow("left click, clicks not allowed") << false << true << "left click" << false;
        QTest::newRow("Escape") << false << true << "Escape" << true;
        QTest::newRow("Escape not allowed") << true << false << "Escape" << false;
    }

    void aClickOnTheTransitionOrEscapeEndsTheRunWhenAllowed()
    {
        QFETCH(bool, onClick);
        QFETCH(bool, onEscape);
        QFETCH(QString, input);
        QFETCH(bool, aborts);
        TestForm form(Qt::cyan);
        FakeClock clock;
        TTransitionList list;
        auto* effect = list.add<Recording<TFuseTransition>>();
        effect->Milliseconds = 500;
        effect->setTimeSource(clock.source());
        effect->AbortOnClick = onClick;
        effect->AbortOnEscape = onEscape;
        TFormTransitions trans(&form);
        trans.DestroyTransitions = false;
        trans.ShowTransition = effect;
        int formKeys = 0;
        effect->OnStartTransition = [&](TTransitionEffect*) {
            QWidget* window = renderLayers().value(0);
            QVERIFY(window);
            const QPointF at(5, 5);
            if (input == QLatin1String("Escape")) {
                QCoreApplication::postEvent(
                    &form, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            } else {
                const Qt::MouseButton button =
                    input.startsWith(QLatin1String("left click")) ? Qt::LeftButton : Qt::RightButton;
                QObject* receiver = window;
                if (input == QLatin1String("left click on the window"))
                    receiver = form.windowHandle();
                QCoreApplication::postEvent(receiver, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                                      window->mapToGlobal(at),
                                                                      button, button, Qt::NoModifier));
            }
        };
        form.installEventFilter(this);
        keyPresses_ = &formKeys;

        form.show();

        QCOMPARE(effect->aborted(), aborts);
        QCOMPARE(effect->frames.size() < 63, aborts);
        // Input during the run reaches no window of the game.
        QCOMPARE(formKeys, 0);
        keyPresses_ = nullptr;
    }

    void aFailingFrameIsReportedAndLeavesNothingBehind()
    {
        ErrorCapture errors;
        TestForm form(Qt::green);
        TTransitionList list;
        auto* effect = list.add<Recording<TFuseTransition>>();
        effect->failAtStep = 5;
        TFormTransitions trans(&form);
        trans.DestroyTransitions = false;
        trans.ShowTransition = effect;
        int ends = 0;
        effect->OnEndTransition = [&](TTransitionEffect*) { ++ends; };

        form.show();

        QCOMPARE(errors.messages, QStringList{"The frame could not be drawn."});
        QCOMPARE(ends, 1);
        QVERIFY(!transitionInProgress());
        QVERIFY(renderLayers().isEmpty());
        QVERIFY(form.isVisible());
    }

    void aWindowAppearsAtOnceWhenItsTransitionIsOff_data()
    {
        QTest::addColumn<bool>("componentEnabled");
        QTest::addColumn<bool>("effectEnabled");
        QTest::addColumn<bool>("hasEffect");
        QTest::newRow("component disabled") << false << true << true;
        QTest::newRow("effect disabled") << true << false << true;
        QTest::newRow("no effect") << true << true << false;
    }

    void aWindowAppearsAtOnceWhenItsTransitionIsOff()
    {
        QFETCH(bool, componentEnabled);
        QFETCH(bool, effectEnabled);
        QFETCH(bool, hasEffect);
        TestForm form(Qt::yellow);
        TTransitionList list;
        auto* effect = list.add<TFuseTransition>();
        effect->Enabled = effectEnabled;
        int runs = 0;
        effect->OnBeforeTransition = [&](TTransitionEffect*) { ++runs; };
        TFormTransitions trans(&form);
        trans.Enabled = componentEnabled;
        trans.DestroyTransitions = false;
        if (hasEffect)
            trans.ShowTransition = effect;
        form.show();
        QVERIFY(form.isVisible());
        QCOMPARE(runs, 0);
        QVERIFY(renderLayers().isEmpty());
    }

    // Ownership

    void theListOwnsItsEffectsAndForgetsOnesDestroyedElsewhere()
    {
        QPointer<TTransitionEffect> kept;
        {
            TTransitionList list;
            auto* fuse = list.add<TFuseTransition>();
            auto* radial = list.add<TRadialTransition>();
            kept = radial;
            QCOMPARE(list.count(), 2);
            QCOMPARE(list.indexOf(radial), 1);
            delete fuse;
            QCOMPARE(list.count(), 1);
            QCOMPARE(list.at(0), radial);
        }
        QVERIFY(kept.isNull());
    }

    void aShowTransitionIsDestroyedWithItsComponentOnlyWhenAskedTo_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("destroyed") << true;
        QTest::newRow("kept by its list") << false;
    }

    void aShowTransitionIsDestroyedWithItsComponentOnlyWhenAskedTo()
    {
        QFETCH(bool, destroy);
        TestForm form(Qt::gray);
        TTransitionList list;
        QPointer<TTransitionEffect> effect = list.add<TRadialTransition>();
        auto* trans = new TFormTransitions(&form);
        trans->DestroyTransitions = destroy;
        trans->ShowTransition = effect;
        delete trans;
        QCOMPARE(effect.isNull(), destroy);
        QCOMPARE(list.count(), destroy ? 0 : 1);
    }
};

QTEST_MAIN(TransitionsTest)
#include "tst_transitions.moc"
