// How the travellers fare, on the trail screen: before the party leaves a
// town, a day of rest for a traveller too weak to walk on, the word that the
// food has run out, and the hunt in the woods; on the road, an ailment and
// the choice of what to do for it; on arriving, the meal and its effects.
// The rules themselves live in activities/wellbeing.h and hunting.h.

#include "activities/hunting.h"
#include "activities/wellbeing.h"
#include "game.h"
#include "journal/journalwords.h"
#include "platform/announce.h"
#include "platform/messagepump.h"
#include "platform/randomsource.h"
#include "platform/translatedtext.h"
#include "presentation/storytexts.h"
#include "shell/durations.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"
#include "trail/towncontent.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

namespace note = journalwords::note;

// The journal's notes are kept in English, whatever the language in view.
QString noteText(const char* english)
{
    return QString::fromLatin1(english);
}

} // namespace

bool TGame::holdPartyInTown()
{
    GameState& s = gameState();
    if (!travellersFare || s.Town < wellbeing::FirstAilingTown - 1 || !journeyGoesOn())
        return false;
    const QString here = townContent(s.Town).townName;

    // A traveller too weak to walk on: the party rests a day here.
    if (const int weakest = wellbeing::weakestMember(s)) {
        wellbeing::restDay(s);
        const QString weak = Name(weakest);
        journal.note(noteText(note::TooWeak).arg(Name(weakest), here));
        showPrompt([weak, here] {
            return tr("%1 is too weak to walk on today.  Your party rests a day in %2 and cares "
                      "for %1.")
                .arg(weak, here);
        });
        PartyHealth();
        markParty();
        Continue->setEnabled(true);
        Continue->setFocus(Qt::OtherFocusReason);
        return true;
    }

    // The food has run out: said once, where the party can still buy.
    const goods::Possessions& p = goods::possessions();
    if (wellbeing::foodPounds(s, p) < wellbeing::MealPounds && !s.HungerTold) {
        s.HungerTold = 1;
        showPrompt([spear = hunting::hasSpear(p)] {
            return spear ? tr("Your party has nothing left to eat.  Buy provisions at the trading "
                              "post, or go hunting in the woods.")
                         : tr("Your party has nothing left to eat.  Buy provisions at the trading "
                              "post.");
        });
        Continue->setEnabled(true);
        return true;
    }

    // Woods with game, and the spear: the hunters may go out once.
    if (hunting::canHuntIn(s, p, s.Town) && huntOfferedIn_ != s.Town) {
        huntOfferedIn_ = s.Town;
        offerHunt();
        return true;
    }
    return false;
}

void TGame::offerHunt()
{
    GameState& s = gameState();
    roadChoice_ = RoadChoice::Hunt;
    enabledBeforeChoice_ = {Visit->isEnabled(), Look->isEnabled(), Continue->isEnabled(),
                            s.ScreenClickable != 0};
    setSceneClickable(false); // the scene takes no trade while the question is up
    const QString headline = tr("There are tracks of game in these woods.");
    // The places in the language in view; the journal keeps them in English.
    const auto place = [](int which) {
        return QCoreApplication::translate("Hunting",
                                           hunting::placeName(which).toUtf8().constData());
    };
    platform::setLiveText(DC1, [place] { return tr("Go hunting %1.").arg(place(0)); });
    platform::setLiveText(DC2, [place] { return tr("Go hunting %1.").arg(place(1)); });
    platform::setLiveText(DC3, [] { return tr("Walk on without hunting."); });
    showRoadChoice(headline, 3);
    s.DilemmaUp = 1;
}

void TGame::showRoadChoice(const QString& headline, int choices)
{
    QRadioButton* buttons[] = {DC1, DC2, DC3};
    for (int k = 0; k < 3; ++k) {
        buttons[k]->setAutoExclusive(false);
        buttons[k]->setChecked(false);
        buttons[k]->setAutoExclusive(true);
        buttons[k]->setEnabled(k < choices);
        buttons[k]->setVisible(k < choices);
    }
    Dlabel->setText(headline);
    Dlabel->show();
    Dlabel->raise();
    BPanel->hide();
    Dchoice->show();
    Dchoice->raise();
    Look->setEnabled(false);
    Visit->setEnabled(false);
    Continue->setEnabled(false);
    DOK1->setEnabled(false);
    platform::announce(this, headline + QStringLiteral("  ") + tr("What will you do?"));
    DC1->setFocus(Qt::OtherFocusReason);
}

void TGame::forgetTheRoad()
{
    roadChoice_ = RoadChoice::None;
    ailing_.reset();
    ailmentChoices_.clear();
    roadDrawnFor_ = 0;
    huntOfferedIn_ = 0;
    for (QRadioButton* b : {DC1, DC2, DC3})
        b->setVisible(true);
    EndTime->setInterval(Durations::EndTime);
}

void TGame::closeRoadChoice()
{
    QRadioButton* buttons[] = {DC1, DC2, DC3};
    for (QRadioButton* b : buttons)
        b->setVisible(true);
    Dlabel->hide();
    Dchoice->hide();
    gameState().DilemmaUp = 0;
    BPanel->show();
}

bool TGame::meetAilmentOnTheRoad()
{
    GameState& s = gameState();
    const int next = s.Town + 1;
    if (!travellersFare || next < wellbeing::FirstAilingTown || roadDrawnFor_ == next)
        return false;
    roadDrawnFor_ = next;
    const auto ill = wellbeing::draw(s, next, platform::gameRandom());
    if (!ill)
        return false;
    wellbeing::fallIll(s, *ill);
    const QString name = Name(ill->member);
    const wellbeing::AilmentInfo& info = wellbeing::info(ill->ailment);
    journal.note(noteText(note::Caught).arg(name, QString::fromUtf8(info.caught)));
    ailing_ = *ill;
    ailmentChoices_ = wellbeing::remediesFor(s, goods::possessions(), ill->ailment);
    QRadioButton* buttons[] = {DC1, DC2, DC3};
    const int choices = static_cast<int>(std::min<std::size_t>(ailmentChoices_.size(), 3));
    for (int k = 0; k < choices; ++k) {
        const QString choice =
            wellbeing::choiceText(ailmentChoices_[static_cast<std::size_t>(k)], name);
        platform::setLiveText(buttons[k], [choice] { return choice; });
    }
    roadChoice_ = RoadChoice::Ailment;
    PartyHealth();
    markParty();
    showRoadChoice(name + QLatin1Char(' ') + QCoreApplication::translate("Wellbeing", info.caught),
                   choices);
    s.DilemmaUp = 1;
    // The first time, the word that these remedies are of long ago.
    if (s.AilmentsMet == 1) {
        showPrompt(&story::remediesOfLongAgo);
        setSceneClickable(false);
    }
    return true;
}

void TGame::roadChoiceMade()
{
    GameState& s = gameState();
    const RoadChoice choice = roadChoice_;
    roadChoice_ = RoadChoice::None;
    const int picked = DC1->isChecked() ? 0 : DC2->isChecked() ? 1 : 2;
    closeRoadChoice();

    if (choice == RoadChoice::Hunt) {
        Visit->setEnabled(enabledBeforeChoice_[0]);
        Look->setEnabled(enabledBeforeChoice_[1]);
        setSceneClickable(enabledBeforeChoice_[3]);
        Continue->setEnabled(true);
        if (picked == 2) {
            Continue->setFocus(Qt::OtherFocusReason);
            return;
        }
        const hunting::Hunt h = hunting::hunt(s, s.Town, picked, platform::gameRandom());
        journal.note(h.found.isEmpty()
                         ? noteText(note::HuntFoundNothing).arg(hunting::placeName(picked))
                         : noteText(note::HuntFound).arg(hunting::placeName(picked), h.found));
        if (h.pounds > 0)
            s.HungerTold = 0; // food again: a new running out will be told
        showPrompt([h] { return hunting::huntTold(h); });
        Continue->setFocus(Qt::OtherFocusReason);
        return;
    }

    // An ailment's choice: the remedy, or rest by the fire.
    if (!ailing_ || picked >= static_cast<int>(ailmentChoices_.size()))
        return;
    IOff();
    const wellbeing::NewAilment ill = *ailing_;
    ailing_.reset();
    const wellbeing::Remedy remedy = ailmentChoices_[static_cast<std::size_t>(picked)];
    wellbeing::treat(s, goods::possessions(), ill.member, remedy);
    const QString name = Name(ill.member);
    const bool rested = remedy.kind == wellbeing::Remedy::Kind::Rest;
    // Said again in a new language while it stands.
    const auto outcome = [rested, name] {
        return rested ? tr("%1 rests by the fire tonight.").arg(name)
                      : tr("%1 feels better already.").arg(name);
    };
    if (rested) {
        journal.note(noteText(note::Rested).arg(name));
    } else {
        const QString given = remedy.kind == wellbeing::Remedy::Kind::Good
                                  ? noteText(note::RemedyOfTown)
                                        .arg(wellbeing::remedyOfTown(remedy.town),
                                             townContent(remedy.town).spiritName)
                                  : remedy.what;
        journal.note(noteText(note::Remedied).arg(name, given));
    }
    PartyHealth();
    markParty();
    platform::setLiveText(Dlabel, outcome);
    Dlabel->show();
    platform::announce(this, outcome());
    // The party travels on a moment later, once the outcome can be read.
    const int departures = departures_;
    platform::pumpMessages();
    if (departures != departures_)
        return; // another journey was opened meanwhile
    s.EndTimerMode = 0;
    EndTime->setInterval(Durations::AfterRemedy);
    EndTime->start();
}

void TGame::arriveWell()
{
    GameState& s = gameState();
    if (!travellersFare || s.Town < wellbeing::FirstAilingTown)
        return;
    const wellbeing::Meal meal = wellbeing::eat(s, goods::possessions());
    const wellbeing::Passage passage = wellbeing::travel(s, meal.hungry);
    journal.note(noteText(note::Ate).arg(meal.summary()));
    QStringList recovered;
    for (int member : passage.recovered)
        recovered << Name(member);
    if (!recovered.isEmpty())
        journal.note(noteText(recovered.size() == 1 ? note::WellAgainOne : note::WellAgainMany)
                         .arg(journalwords::joinedNames(recovered)));
    if (meal.hungry && !passage.weaker.empty())
        journal.note(noteText(note::Hungry));
    PartyHealth();
    markParty();
}

void TGame::markParty()
{
    const GameState& s = gameState();
    int ailing = 0;
    int weak = 0;
    for (int k = 0; k < 7; ++k) {
        ailing += s.Ailments[static_cast<std::size_t>(k)] != 0;
        weak += s.Health[static_cast<std::size_t>(k)] >= 2;
    }
    const bool marked = ailing > 0 || weak > 0;
    if (!PartyMark)
        return;
    PartyMark->setVisible(marked);
    PartyMark->raise();
    QString name = tr("Your Party");
    if (ailing > 0)
        name = ailing == 1 ? tr("Your Party: one traveller is ailing")
                           : tr("Your Party: %1 travellers are ailing").arg(ailing);
    else if (weak > 0)
        name = tr("Your Party: some travellers are weak");
    BtnParty->setAccessibleName(name);
    BtnParty->setToolTip(name);
}
