#include "scriptedplayer.h"

#include "media/mediaplayer.h"
#include "platform/bevelpanel.h"
#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "presentation/intro.h"
#include "app/entrysequence.h"
#include "shell/gamestate.h"
#include "shops/fleamarket.h"
#include "trail/game.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// How long the player listens at the campfire and looks at the market.
constexpr int ListenToTheIntroMs = 4000;
constexpr int LookAtTheMarketMs = 3000;
// Waiting on the trail: how often the player looks at the screen, and how
// long a step may take before the script counts as stalled.
constexpr int GlanceMs = 100;
constexpr int StalledAfterMs = 60000;
constexpr int SettleMs = 2000;
constexpr int IdleMeasuredMs = 10000;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One thing the player does on the trail once the screen shows it can.
struct Step {
    const char* waitingFor;
    std::function<bool()> ready;
    std::function<void()> act;
};

bool quiet(const TGame& game)
{
    return !game.MPghost->isPlaying() && !game.MPchar->isPlaying() && !game.Go->isActive();
}

// A spirit has appeared and speaks; the player clicks the scene, turns the
// trade down and takes the way the instructions then show (fishing, or the
// trading post).
void meetTheSpirit(TGame& game, const char* story, std::vector<Step>* steps)
{
    steps->push_back({story, [&] { return quiet(game) && gameState().ScreenClickable == 1; },
                      [&] { game.Image1MouseDown(300, 200); }});
    steps->push_back({"the trade offer", [&] { return game.TradePanel->isVisible(); },
                      [&] { game.Button3->click(); }});
    steps->push_back({"the way to the lake or the trading post",
                      [&] { return quiet(game) && game.Visit->isEnabled(); },
                      [&] { game.Visit->click(); }});
}

std::vector<Step> tourSteps(TGame& game)
{
    std::vector<Step> steps{
        {"the welcome in town 1", [&] { return game.Continue->isEnabled(); },
         [&] { game.Continue->click(); }},
        {"the route to town 2", [&] { return quiet(game) && game.Look->isEnabled(); },
         [&] { game.Look->click(); }},
    };
    meetTheSpirit(game, "the girl's story", &steps);
    steps.push_back(
        {"the lake", [&] { return game.Look->isEnabled(); }, [&] { game.Look->click(); }});
    steps.push_back({"the way on from town 2",
                     [&] { return quiet(game) && game.Continue->isEnabled(); },
                     [&] { game.Continue->click(); }});
    steps.push_back({"the snakebite",
                     [&] { return game.DC1->isVisible() && game.DC1->isEnabled(); },
                     [&] {
                         game.DC1->click();
                         game.DOK1->click();
                     }});
    steps.push_back({"the route to town 3",
                     [&] { return gameState().Town == 3 && quiet(game) && game.Look->isEnabled(); },
                     [&] { game.Look->click(); }});
    meetTheSpirit(game, "the trapper's story", &steps);
    steps.push_back(
        {"the trading post's door", [&] { return quiet(game) && game.Look->isEnabled(); }, [] {}});
    return steps;
}

std::vector<Step> idleSteps(TGame& game)
{
    auto start = std::make_shared<double>();
    auto clock = std::make_shared<QElapsedTimer>();
    return {
        {"the welcome in town 1", [&] { return game.Continue->isEnabled() && quiet(game); },
         [clock] { clock->start(); }},
        {"the screen to settle", [clock] { return clock->elapsed() >= SettleMs; },
         [start, clock] {
             *start = cpuSeconds();
             clock->restart();
         }},
        {"the idle time", [clock] { return clock->elapsed() >= IdleMeasuredMs; },
         [start, clock] {
             const double percent =
                 100.0 * (cpuSeconds() - *start) / (static_cast<double>(clock->elapsed()) / 1000.0);
             std::printf("idle cpu percent %.2f\n", percent);
             std::fflush(stdout);
         }},
    };
}

// The entry sequence with the player's part scripted. Every screen runs for
// real, with the real media players.
class ScriptedSequence : public EntrySequence {
public:
    explicit ScriptedSequence(bool tour) : tour_(tour) {}
    bool finished = false;

protected:
    void runModal(platform::Form& form) override
    {
        const QString name = form.objectName();
        if (name == QLatin1String("Intro")) {
            auto* intro = static_cast<TIntro*>(&form);
            QTimer::singleShot(ListenToTheIntroMs, intro,
                               [intro] { platform::guarded([intro] { intro->FormClick(); }); });
        } else if (name == QLatin1String("FleaMarket")) {
            auto* market = static_cast<TFleaMarket*>(&form);
            QTimer::singleShot(LookAtTheMarketMs, market,
                               [market] { platform::guarded([market] { market->SetOut(); }); });
        } else if (name == QLatin1String("Game")) {
            playTheTrail(static_cast<TGame&>(form));
        }
        EntrySequence::runModal(form);
    }

    // The script ends the program with the trail.
    void enterMessageLoop() override {}

private:
    void playTheTrail(TGame& game)
    {
        steps_ = tour_ ? tourSteps(game) : idleSteps(game);
        auto* glance = new QTimer(&game);
        auto waited = std::make_shared<QElapsedTimer>();
        waited->start();
        QObject::connect(glance, &QTimer::timeout, &game, [this, &game, glance, waited] {
            if (next_ == steps_.size()) {
                glance->stop();
                finished = true;
                gameState().RestartConfirmed = 1; // quit without asking
                game.close();
                return;
            }
            Step& step = steps_[next_];
            if (step.ready()) {
                std::fprintf(stderr, "scripted player: %s\n", step.waitingFor);
                platform::guarded(step.act);
                ++next_;
                waited->restart();
            } else if (waited->elapsed() > StalledAfterMs) {
                std::fprintf(stderr,
                             "scripted player: stalled waiting for %s (town %d, step %d, "
                             "look %d, continue %d, ghost %d, char %d, route %d)\n",
                             step.waitingFor, gameState().Town, gameState().InstructionStep,
                             game.Look->isEnabled(), game.Continue->isEnabled(),
                             game.MPghost->isPlaying(), game.MPchar->isPlaying(),
                             game.Go->isActive());
                glance->stop();
                gameState().RestartConfirmed = 1;
                game.close();
            }
        });
        glance->start(GlanceMs);
    }

    bool tour_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

} // namespace

int playScripted(int argc, char** argv, const char* mode)
{
    const bool tour = std::strcmp(mode, "tour") == 0;
    if (!tour && std::strcmp(mode, "idle") != 0) {
        std::fprintf(stderr, "Unknown mode %s (tour or idle)\n", mode);
        return 2;
    }
    qputenv("QT_LOGGING_RULES", "qt.multimedia.*.warning=false");
    if (qEnvironmentVariableIsEmpty("KELVARIN_DATA"))
        qputenv("KELVARIN_DATA", KELVARIN_DATA_DIR);
    QApplication application(argc, argv);
    QApplication::setFont(platform::sansFont(13));
    if (platform::enterDataFolder().isEmpty()) {
        std::fprintf(stderr, "The game's data folder was not found\n");
        return 1;
    }
    // A message box would wait for a click nobody gives.
    int errors = 0;
    platform::setErrorSink([&errors](const QString& message) {
        std::fprintf(stderr, "scripted player: the game reported: %s\n", qPrintable(message));
        ++errors;
    });
    ScriptedSequence sequence(tour);
    sequence.run();
    return sequence.finished && errors == 0 ? 0 : 1;
}
