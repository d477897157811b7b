// Random walks over the trail: a player who presses, at random, whatever a
// player could press at that moment (the bottom bar, the scene and the lake,
// the panels, the treatment, the journey's end), lets clips end and timers
// tick at any moment, and saves and opens journeys at random moments. Each
// walk has a seed of its own and fails with it, the step and what was done
// last, when:
//   - no way on: from where the walk stands, a goal-directed player (who does
//     what the instruction panel asks) cannot reach the next town or the
//     journey's end; checked at the end of every walk and a few steps after
//     every opened journey;
//   - an opened journey differs from the file it was opened from;
//   - the game reports a fault a player would see (a missing picture, a
//     journey it wrote that it cannot open, ...).
// The actions are rows of a table (name, weight, when a player has it, what
// it does): a new control of the trail screen is a new row.

#include "activities/fishingouting.h"
#include "handtickedtimers.h"
#include "journeydiff.h"
#include "media/mediaplayer.h"
#include "modalscript.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "shell/gamestate.h"
#include "shell/journeysave.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trailfixture.h"
#include "trailscreenreport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <functional>
#include <random>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SanitizerBuild = true;
#else
constexpr bool SanitizerBuild = false;
#endif
#else
constexpr bool SanitizerBuild = false;
#endif

// KELVARIN_WALKS sets how many walks run (and KELVARIN_WALK_FIRST the first
// seed, to replay one walk); fewer by default under the sanitizers, which
// run the game many times slower.
int walkCount()
{
    bool ok = false;
    const int walks = qEnvironmentVariableIntValue("KELVARIN_WALKS", &ok);
    if (ok && walks > 0)
        return walks;
    return SanitizerBuild ? 25 : 250;
}

int firstSeed()
{
    bool ok = false;
    const int first = qEnvironmentVariableIntValue("KELVARIN_WALK_FIRST", &ok);
    return ok ? first : 1;
}

// Seconds of the calendar whose seeded draw makes a spirit's offer a
// special one.
constexpr int SpecialSeconds = 16;
std::int64_t specialSecond(int index)
{
    static const std::vector<std::int64_t> seconds = [] {
        std::vector<std::int64_t> found;
        for (std::int64_t second = 1; found.size() < SpecialSeconds; ++second) {
            platform::RandomSource source;
            source.seedWithSecond(second);
            if (source.next() % 1000 >= 800)
                found.push_back(second);
        }
        return found;
    }();
    return seconds.at(static_cast<std::size_t>(index));
}

constexpr int StepsPerWalk = 160;
// The goal-directed player reaches the next town well within this many steps
// from anywhere on the trail (a whole town takes about 30).
constexpr int StepsToLeadOn = 250;
constexpr int HistoryLength = 14;

// What the game says when it refuses to save at a busy moment or at the
// journey's end: the player is asked to try again, nothing is wrong.
bool isExpectedRefusal(const QString& message)
{
    return message.startsWith(QStringLiteral("The journey can be saved when")) ||
           message.startsWith(QStringLiteral("There is no journey on the trail to save."));
}

// Any modal window a walk opens (the store at the post's counter, the
// inventory, the question before quitting or starting again) is answered as
// a player who wants to go on would: closed, or "No".
void answerAsAPlayerWhoStays(QWidget* window)
{
    if (window->objectName() == QStringLiteral("About1")) {
        if (auto* no = window->findChild<QPushButton*>(QStringLiteral("No1")))
            no->click();
        else
            window->close();
        return;
    }
    if (auto* close = window->findChild<QPushButton*>(QStringLiteral("Close1"))) {
        close->click();
        return;
    }
    window->close();
}

class TrailWalk {
public:
    TrailWalk(unsigned seed, const QString& folder);
    ~TrailWalk();
    TrailWalk(const TrailWalk&) = delete;
    TrailWalk& operator=(const TrailWalk&) = delete;

    // Walks and returns the failures found, each with the seed, the step and
    // the last actions.
    QStringList walk();

private:
    struct Action {
        const char* name;
        int weight;
        std::function<bool()> available;
        std::function<void()> run;
        // Whether it may also happen while the game waits inside a handler
        // (a useful trade waits for the spirit's clips).
        bool duringWait = true;
    };

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(media::MediaPlayer* player)
    {
        return static_cast<FakeMediaPlayer*>(player);
    }
    bool shown(const QWidget* w) const { return w->isVisibleTo(game); }
    bool pressable(const QAbstractButton* b) const { return shown(b) && b->isEnabled(); }
    bool sceneTakesClicks() const { return shown(game->Image1) && game->Image1->isEnabled(); }
    bool endShown() const { return shown(game->Yes1) || shown(game->TravelAgain); }
    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    void buildActions();
    void start();
    void press(QAbstractButton* button);
    void readyForAModal();
    void deliver() { QCoreApplication::processEvents(); }
    void note(const QString& what);
    QString where() const;
    QString history() const;
    void fail(const QString& oracle, const QString& what);

    // One random action of those a player has now; false when there is none.
    bool randomAction(bool duringWait);
    void afterAction();
    void checkErrors();
    void checkOpenedJourney();
    void onWaitRound();

    void clickTheScene();
    void fireATimer(bool all);
    void endAClip(const std::vector<media::MediaPlayer*>& among);
    std::vector<media::MediaPlayer*> players() const;
    std::vector<std::pair<QTimer*, std::function<void()>>> timers() const;
    void saveJourney();
    void openJourney();

    // The goal-directed player: reaches the next town or the journey's end,
    // or fails with what the screen shows.
    void leadOn(const QString& after);
    bool leadStep();

    unsigned seed_;
    std::mt19937 rng;
    QString folder_;
    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    std::unique_ptr<HandTickedTimers> handTicked_;
    std::unique_ptr<ModalScript> modals_;
    std::vector<Action> actions_;
    std::deque<QString> history_;
    std::deque<QString> leadSteps_;
    QStringList failures_;
    QSet<QString> oraclesFailed_;
    std::vector<QString> saved_;
    int step_ = 0;
    int saves_ = 0;
    int depth_ = 0; // actions in progress: 2 and more inside a wait
    int waitRounds_ = 0;
    int leadOnIn_ = -1; // steps until the next check that the way on comes
    bool stop_ = false;
    bool leading_ = false;
    QString openedFile_; // opened during the action in progress
    std::int64_t now_ = 0;
};

TrailWalk::TrailWalk(unsigned seed, const QString& folder) : seed_(seed), rng(seed), folder_(folder)
{
    trail = std::make_unique<TrailFixture>();
    game = trail->game;
    handTicked_ = std::make_unique<HandTickedTimers>(std::vector<QTimer*>{
        game->Go, game->IP, game->EndTime, game->TownNameTime, game->fishing->TimeFish1,
        game->fishing->TimeFish2, game->fishing->TimeCatchFish, game->fishing->TimeFishShow});
    modals_ = std::make_unique<ModalScript>();
    now_ = 1000 + seed;
    platform::gameRandom().setClock([this] { return now_; });
    platform::setPauseHook([](int) {});
    platform::setRoundHook([this] { onWaitRound(); });
    buildActions();
}

TrailWalk::~TrailWalk()
{
    platform::setRoundHook({});
    platform::setPauseHook({});
    platform::setFileChooser({});
    platform::gameRandom().setClock({});
    modals_.reset();
    handTicked_.reset();
    trail.reset();
    for (const QString& file : saved_)
        QFile::remove(file);
}

void TrailWalk::buildActions()
{
    TGame* g = game;
    auto button = [this](const char* name, int weight, QAbstractButton* b, bool duringWait = true) {
        actions_.push_back({name, weight, [this, b] { return pressable(b); },
                            [this, b] { press(b); }, duringWait});
    };
    button("Look Around", 6, g->Look);
    button("Visit / Go Fishing", 6, g->Visit);
    button("Go To Next Town", 5, g->Continue);
    actions_.push_back({"a click on the scene", 10, [this] { return sceneTakesClicks(); },
                        [this] { clickTheScene(); }});
    actions_.push_back({"a cast on the good spot", 4,
                        [this] { return shown(game->hotspot) && game->hotspot->isEnabled(); },
                        [this] {
                            const int x = below(std::max(1, game->hotspot->width()));
                            const int y = below(std::max(1, game->hotspot->height()));
                            note(QStringLiteral("at %1,%2").arg(x).arg(y));
                            emit game->hotspot->mousePressed(x, y, Qt::LeftButton);
                        }});
    actions_.push_back({"the rod", 3, [this] { return shown(game->Rod) && game->Rod->isEnabled(); },
                        [this] { emit game->Rod->clicked(); }});
    actions_.push_back({"the instruction panel", 1,
                        [this] { return shown(game->IPic) && game->IPic->isEnabled(); },
                        [this] { emit game->IPic->clicked(); }});
    // The trade buttons wait for the spirit's clips: not inside another wait.
    button("Yes, I'll trade.", 4, g->Button1, false);
    button("Any more offers?", 3, g->Button2, false);
    button("No deals.", 3, g->Button3, false);
    button("treatment 1", 2, g->DC1);
    button("treatment 2 (snakeroot tea)", 2, g->DC2);
    button("treatment 3", 2, g->DC3);
    button("the treatment's OK", 4, g->DOK1);
    button("the catch's Okay", 3, g->OkayFish);
    button("the party", 1, g->BtnParty);
    actions_.push_back({"a traveller's name", 2,
                        [this] {
                            for (QLineEdit* name : game->N) {
                                if (shown(name) && name->isEnabled() && name->text().isEmpty())
                                    return true;
                            }
                            return false;
                        },
                        [this] {
                            for (int member = 0; member < 7; ++member) {
                                QLineEdit* name = game->N[member];
                                if (shown(name) && name->text().isEmpty()) {
                                    name->setText(QStringLiteral("Traveller %1").arg(member + 1));
                                    return;
                                }
                            }
                        }});
    button("the party's Okay", 2, g->Okay1);
    button("the map", 1, g->BtnMap);
    button("the map's Close", 2, g->Close1);
    button("the inventory", 1, g->BtnInv);
    button("Exit (and No)", 1, g->Exit1);
    button("Please go on.", 3, g->Yes1);
    button("Next Story", 2, g->No1);
    button("Travel Again (and No)", 1, g->TravelAgain);
    button("Quit (and No)", 1, g->QuitGame);
    actions_.push_back({"a clip ends", 8,
                        [this] {
                            for (media::MediaPlayer* p : players()) {
                                if (p->isPlaying())
                                    return true;
                            }
                            return false;
                        },
                        [this] { endAClip(players()); }});
    actions_.push_back({"a timer ticks", 10,
                        [this] {
                            for (const auto& [timer, tick] : timers()) {
                                if (timer->isActive())
                                    return true;
                            }
                            return false;
                        },
                        [this] { fireATimer(false); }});
    actions_.push_back({"File > Save Journey", 3, [] { return true; }, [this] { saveJourney(); }});
    actions_.push_back(
        {"File > Open Journey", 3, [this] { return !saved_.empty(); }, [this] { openJourney(); }});
}

std::vector<media::MediaPlayer*> TrailWalk::players() const
{
    return {game->MPmus,   game->MPmus2, game->MPchar, game->MPghost, game->MPfish,
            game->MPfish2, game->MPreel, game->MPskel, game->MPend,   game->MPwords};
}

std::vector<std::pair<QTimer*, std::function<void()>>> TrailWalk::timers() const
{
    TGame* g = game;
    FishingOuting* f = g->fishing;
    return {{g->Go, [g] { g->GoTimer(); }},
            {g->IP, [g] { g->IPTimer(); }},
            {g->EndTime, [g] { g->EndTimeTimer(); }},
            {g->TownNameTime, [g] { g->hideTownName(); }},
            {f->TimeFish1, [f] { f->TimeFish1Timer(); }},
            {f->TimeFish2, [f] { f->TimeFish2Timer(); }},
            {f->TimeCatchFish, [f] { f->TimeCatchFishTimer(); }},
            {f->TimeFishShow, [f] { f->TimeFishShowTimer(); }}};
}

void TrailWalk::note(const QString& what)
{
    if (!history_.empty())
        history_.back() += QStringLiteral(" ") + what;
}

QString TrailWalk::where() const
{
    const GameState& st = gameState();
    return QStringLiteral("[town %1 %2]").arg(int(st.Town)).arg(st.sceneId());
}

QString TrailWalk::history() const
{
    QStringList lines;
    for (const QString& line : history_)
        lines << QStringLiteral("    ") + line;
    return lines.join('\n');
}

void TrailWalk::fail(const QString& oracle, const QString& what)
{
    if (oraclesFailed_.contains(oracle))
        return; // the first failure of each kind tells it
    oraclesFailed_ << oracle;
    QString led;
    if (leading_) {
        QStringList steps;
        for (const QString& line : leadSteps_)
            steps << QStringLiteral("    ") + line;
        led = QStringLiteral("\n  the goal-directed player's last steps:\n") + steps.join('\n');
    }
    failures_ << QStringLiteral("seed %1, step %2: %3: %4\n  last actions:\n%5%6")
                     .arg(seed_)
                     .arg(step_)
                     .arg(oracle, what, history(), led);
}

void TrailWalk::press(QAbstractButton* button)
{
    button->click();
    deliver();
}

void TrailWalk::readyForAModal()
{
    // Whatever modal window the next action opens finds its answer waiting.
    if (modals_->allAnswered())
        modals_->then(answerAsAPlayerWhoStays);
}

void TrailWalk::start()
{
    // The party bought some of what the flea market sells, so that trades
    // and useful goods come.
    for (int item = 168; item <= 191; ++item) {
        if (below(3) != 0)
            goods::possessions().ItemCount[static_cast<std::size_t>(item)] =
                static_cast<std::uint8_t>(1 + below(3));
    }
    trail->startTheTrail();
    // Most walks begin further along the trail: the party arrives there from
    // the town before it.
    const int choice = below(8);
    const int town = choice < 2 ? 1 : choice < 6 ? 2 + choice - 2 : 5 + below(TownCount - 4);
    history_.push_back(QStringLiteral("start in town %1").arg(town));
    if (town == 1)
        return;
    if (town > 2) {
        // The snakebite is behind the party, and beyond the trapper's town
        // his chapter too.
        s().Town = static_cast<std::uint8_t>(town - 1);
        s().Encounter = town > SecondSpiritTown ? 3 : 2;
    }
    game->ContinueClick();
}

QStringList TrailWalk::walk()
{
    platform::guarded([this] { start(); });
    checkErrors();
    for (step_ = 1; step_ <= StepsPerWalk && !stop_; ++step_) {
        if (!randomAction(false))
            fail(QStringLiteral("No way on"),
                 QStringLiteral("nothing a player could do: ") + describeTrailScreen(*game));
        afterAction();
        if (leadOnIn_ == 0)
            leadOn(QStringLiteral("a journey was opened"));
        if (leadOnIn_ >= 0)
            --leadOnIn_;
    }
    if (!stop_)
        leadOn(QStringLiteral("the walk's end"));
    return failures_;
}

bool TrailWalk::randomAction(bool duringWait)
{
    std::vector<const Action*> open;
    int total = 0;
    for (const Action& action : actions_) {
        if ((!duringWait || action.duringWait) && action.available()) {
            open.push_back(&action);
            total += action.weight;
        }
    }
    if (open.empty())
        return false;
    int pick = below(total);
    const Action* chosen = open.back();
    for (const Action* action : open) {
        if (pick < action->weight) {
            chosen = action;
            break;
        }
        pick -= action->weight;
    }
    // Time passes: a new second, a new seeded draw; often one whose draw
    // brings the spirit's special offer, so that useful trades come.
    now_ = below(3) == 0 ? specialSecond(below(SpecialSeconds)) : 100000 + below(1000000);
    history_.push_back(QStringLiteral("%1%2 %3 %4")
                           .arg(duringWait ? QStringLiteral("  (during the wait) ") : QString())
                           .arg(step_)
                           .arg(QLatin1String(chosen->name), where()));
    while (history_.size() > HistoryLength)
        history_.pop_front();
    if (depth_ == 0)
        waitRounds_ = 0;
    ++depth_;
    readyForAModal();
    platform::guarded([&] { chosen->run(); });
    --depth_;
    return true;
}

void TrailWalk::afterAction()
{
    checkErrors();
    if (!openedFile_.isEmpty())
        checkOpenedJourney();
}

void TrailWalk::checkErrors()
{
    for (const QString& message : trail->errors.messages) {
        if (!isExpectedRefusal(message)) {
            fail(QStringLiteral("A fault the player sees"),
                 QStringLiteral("\"%1\"; %2").arg(message, describeTrailScreen(*game)));
            stop_ = true;
        }
    }
    trail->errors.messages.clear();
}

void TrailWalk::checkOpenedJourney()
{
    const QString file = std::exchange(openedFile_, QString());
    const journey::Reading reading = journey::read(file);
    if (!reading.problem.isEmpty()) {
        fail(QStringLiteral("A saved journey cannot be read"), reading.problem);
        return;
    }
    const journey::JourneyState opened = game->captureJourney();
    if (opened == reading.state)
        return;
    const QStringList differences = journeyDifferences(reading.state, opened);
    QStringList fields;
    for (const QString& line : differences)
        fields << line.section(QLatin1Char(':'), 0, 0);
    // Each set of differing fields is a failure of its own.
    fail(QStringLiteral("Opened not as saved (%1)").arg(fields.join(' ')),
         QStringLiteral("the opened journey differs from %1:\n      %2\n  screen: %3")
             .arg(QFileInfo(file).fileName(), differences.join(QStringLiteral("\n      ")),
                  describeTrailScreen(*game)));
}

void TrailWalk::onWaitRound()
{
    // Time passes while the game waits inside a handler: clips end, and the
    // player may do something else meanwhile. However the dice fall, the
    // clips end before long.
    ++waitRounds_;
    const std::vector<media::MediaPlayer*> spirit{game->MPghost, game->MPchar};
    if (depth_ >= 2 || waitRounds_ > 12 || leading_) {
        for (media::MediaPlayer* clip : spirit) {
            if (clip->isPlaying())
                fake(clip)->finishPlay();
        }
        return;
    }
    const int roll = below(10);
    if (roll < 2) {
        randomAction(true);
    } else if (roll == 2 && !saved_.empty()) {
        history_.push_back(
            QStringLiteral("  (during the wait) File > Open Journey %1").arg(where()));
        ++depth_;
        platform::guarded([this] { openJourney(); });
        --depth_;
    } else if (roll < 7) {
        endAClip(spirit);
    }
}

void TrailWalk::clickTheScene()
{
    // A point of the picture; what lies over it there takes the click, as
    // under a real mouse.
    const QRect area = game->Image1->geometry();
    const QPoint at(area.left() + below(std::max(1, area.width())),
                    area.top() + below(std::max(1, area.height())));
    QWidget* hit = game->Image1->parentWidget()->childAt(at);
    note(QStringLiteral("at %1,%2 on %3")
             .arg(at.x() - area.left())
             .arg(at.y() - area.top())
             .arg(hit ? hit->objectName() : QStringLiteral("nothing")));
    if (!hit || !hit->isEnabled())
        return;
    const QPoint local = hit->mapFrom(game->Image1->parentWidget(), at);
    if (hit == game->Image1)
        emit game->Image1->mousePressed(local.x(), local.y(), Qt::LeftButton);
    else if (hit == game->hotspot)
        emit game->hotspot->mousePressed(local.x(), local.y(), Qt::LeftButton);
    else if (hit == game->Rod)
        emit game->Rod->clicked();
    else if (hit == game->IPic || hit == game->IL1 || hit == game->IL2)
        game->IPicClick();
    else if (hit == game->Hints)
        game->HintsClick();
    else if (hit == game->PartyPanel || hit == game->Image2)
        game->PartyPanelClick();
    // Anything else (a label, a panel's face) takes no click.
    deliver();
}

void TrailWalk::fireATimer(bool first)
{
    std::vector<std::pair<QTimer*, std::function<void()>>> ticking;
    for (auto& entry : timers()) {
        if (entry.first->isActive())
            ticking.push_back(entry);
    }
    if (ticking.empty())
        return;
    auto& [timer, tick] =
        ticking.at(first ? 0 : static_cast<std::size_t>(below(int(ticking.size()))));
    note(timer->objectName());
    if (timer->isSingleShot())
        timer->stop(); // as its timeout would
    if (timer == game->Go) {
        // The route is drawn in many ticks: some, or all that are left.
        const int ticks = below(2) == 0 ? 400 : 1 + below(30);
        for (int i = 0; i < ticks && timer->isActive(); ++i)
            platform::guarded(tick);
    } else {
        platform::guarded(tick);
    }
    deliver();
}

void TrailWalk::endAClip(const std::vector<media::MediaPlayer*>& among)
{
    std::vector<media::MediaPlayer*> playing;
    for (media::MediaPlayer* p : among) {
        if (p->isPlaying())
            playing.push_back(p);
    }
    if (playing.empty())
        return;
    media::MediaPlayer* clip = playing.at(static_cast<std::size_t>(below(int(playing.size()))));
    note(clip->objectName());
    fake(clip)->finishPlay();
    deliver();
}

void TrailWalk::saveJourney()
{
    const QString file =
        QDir(folder_).filePath(QStringLiteral("walk%1-%2.kvj").arg(seed_).arg(++saves_));
    platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
    game->SaveJourney1->trigger();
    platform::setFileChooser({});
    if (QFileInfo::exists(file)) {
        saved_.push_back(file);
        note(QFileInfo(file).fileName());
    } else {
        note(QStringLiteral("(refused)"));
    }
}

void TrailWalk::openJourney()
{
    const QString file = saved_.at(static_cast<std::size_t>(below(int(saved_.size()))));
    note(QFileInfo(file).fileName());
    const int errorsBefore = int(trail->errors.messages.size());
    platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
    game->OpenJourney1->trigger();
    platform::setFileChooser({});
    if (int(trail->errors.messages.size()) > errorsBefore)
        return; // a fault, reported by checkErrors
    // Compared when the player has the game again: after this action, or
    // after the handler this action interrupted.
    openedFile_ = file;
    // The way on must come: after what the player does next, or at once.
    leadOnIn_ = below(3);
}

void TrailWalk::leadOn(const QString& after)
{
    if (stop_)
        return;
    const int from = s().Town;
    const QString start = describeTrailScreen(*game);
    history_.push_back(QStringLiteral("-- the way on is sought, after %1").arg(after));
    leadSteps_.clear();
    leading_ = true;
    auto arrived = [&] { return s().Town > from || endShown(); };
    for (int i = 0; i < StepsToLeadOn && !stop_ && !arrived(); ++i) {
        const bool acted = leadStep();
        afterAction();
        if (!acted) {
            fail(QStringLiteral("No way on"),
                 QStringLiteral("after %1 nothing leads on.\n  From: %2\n  Now: %3")
                     .arg(after, start, describeTrailScreen(*game)));
            stop_ = true;
        }
        while (leadSteps_.size() > HistoryLength)
            leadSteps_.pop_front();
    }
    if (!stop_ && !arrived()) {
        fail(QStringLiteral("No way on"),
             QStringLiteral("after %1 the party goes round in circles.\n  From: %2\n  Now: %3")
                 .arg(after, start, describeTrailScreen(*game)));
        stop_ = true;
    }
    leading_ = false;
}

bool TrailWalk::leadStep()
{
    auto act = [this](const QString& what, const std::function<void()>& run) {
        leadSteps_.push_back(QStringLiteral("%1 %2").arg(what, where()));
        ++depth_;
        readyForAModal();
        platform::guarded(run);
        --depth_;
        deliver();
        return true;
    };
    auto pressIt = [&](QAbstractButton* b) {
        return act(b->objectName(), [this, b] { press(b); });
    };
    TGame* g = game;
    if (shown(g->Dchoice)) {
        if (pressable(g->DOK1))
            return pressIt(g->DOK1);
        if (pressable(g->DC2))
            return pressIt(g->DC2);
        if (pressable(g->DC1))
            return pressIt(g->DC1);
    }
    // What the instruction panel asks for.
    if (shown(g->IL1)) {
        const QString asks = g->IL1->text();
        for (QAbstractButton* b :
             {static_cast<QAbstractButton*>(g->Look), static_cast<QAbstractButton*>(g->Visit),
              static_cast<QAbstractButton*>(g->Continue)}) {
            if (asks.contains(QLatin1Char('"') + b->text().trimmed() + QLatin1Char('"')) &&
                pressable(b))
                return pressIt(b);
        }
    }
    if (pressable(g->Continue))
        return pressIt(g->Continue);
    for (media::MediaPlayer* clip :
         {g->MPghost, g->MPchar, g->MPskel, g->MPreel, g->MPfish, g->MPfish2}) {
        if (clip->isPlaying())
            return act(QStringLiteral("end ") + clip->objectName(),
                       [clip] { fake(clip)->finishPlay(); });
    }
    for (auto& [timer, tick] : timers()) {
        if ((timer == g->Go || timer == g->IP || timer == g->EndTime) && timer->isActive())
            return act(QStringLiteral("tick ") + timer->objectName(), [t = timer, f = tick] {
                for (int i = 0; i < 400 && t->isActive(); ++i) {
                    f();
                    if (t->objectName() != QStringLiteral("Go"))
                        break;
                }
            });
    }
    if (shown(g->TradePanel) && pressable(g->Button3))
        return pressIt(g->Button3);
    if (pressable(g->OkayFish))
        return pressIt(g->OkayFish);
    if (pressable(g->Look))
        return pressIt(g->Look);
    if (pressable(g->Visit))
        return pressIt(g->Visit);
    if (sceneTakesClicks())
        return act(QStringLiteral("the scene"), [g] {
            emit g->Image1->mousePressed(g->Image1->width() / 2, g->Image1->height() / 2,
                                         Qt::LeftButton);
        });
    // The panel leads into the scene only while the scene takes clicks.
    if (shown(g->IPic) && s().ScreenClickable)
        return act(QStringLiteral("the instruction panel"), [g] { g->IPicClick(); });
    for (auto& [timer, tick] : timers()) {
        if (timer->isActive())
            return act(QStringLiteral("tick ") + timer->objectName(), [t = timer, f = tick] {
                if (t->isSingleShot())
                    t->stop();
                f();
            });
    }
    return false;
}

} // namespace

class TrailWalkTest : public QObject {
    Q_OBJECT

    // The walks save often: on a memory disk, where a save costs no sync.
    QTemporaryDir folder{QDir(QStringLiteral("/dev/shm")).exists()
                             ? QStringLiteral("/dev/shm/kelvarin-walk-XXXXXX")
                             : QDir::tempPath() + QStringLiteral("/kelvarin-walk-XXXXXX")};

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        // The automatic save, made on every arrival, goes there too.
        qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    }

    void aRandomWalkAlwaysHasAWayOn_data()
    {
        QTest::addColumn<unsigned>("seed");
        const int first = firstSeed();
        for (int seed = first; seed < first + walkCount(); ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << unsigned(seed);
    }

    void aRandomWalkAlwaysHasAWayOn()
    {
        QFETCH(unsigned, seed);
        QVERIFY(folder.isValid());
        QStringList failures;
        {
            TrailWalk walk(seed, folder.path());
            failures = walk.walk();
        }
        // Qt Test cuts a failure's message short: the whole story goes first.
        for (const QString& failure : failures)
            qWarning().noquote() << failure;
        QVERIFY2(failures.isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2 (the whole story is above)")
                                .arg(seed)
                                .arg(failures.value(0).section(QLatin1Char(':'), 1, 2))));
    }
};

QTEST_MAIN(TrailWalkTest)
#include "tst_trailwalk.moc"
