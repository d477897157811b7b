// The party panel: naming the seven travellers, then their condition.

#include "game.h"
#include "platform/bevelpanel.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

void TGame::BtnPartyClick()
{
    showNamingInvitation(false); // the player has found where the names go
    PartyPanel->show();
    PartyPanel->raise();
}

void TGame::PartyPanelClick()
{
    PartyPanel->hide();
}

void TGame::Okay1Click()
{
    GameState& s = gameState();
    if (s.PartyConfirmed == 1) {
        PartyPanel->hide();
        return;
    }
    for (QLineEdit* name : N) {
        if (name->text().isEmpty()) {
            // A party needs all seven: an empty name asks whether to quit.
            close();
            return;
        }
    }
    for (int i = 0; i < 7; ++i) {
        N[i]->hide();
        P[i]->show();
    }
    PartyHealth();
    s.PartyConfirmed = 1;
    // The panel now lists the travellers rather than asking for them.
    platform::setTranslatedText(Label2, "TGame", QT_TRANSLATE_NOOP("TGame", "Your Party"));
}

QString TGame::Name(int member) const
{
    if (member < 1 || member > 7)
        return {};
    return N[member - 1]->text();
}

void TGame::PartyHealth()
{
    const GameState& s = gameState();
    for (int i = 0; i < 7; ++i) {
        CheckHealth(N[i], P[i], s.Health[static_cast<std::size_t>(i)]);
        // An ailment is named before the condition it brings.
        const wellbeing::Ailment ailment = wellbeing::ailmentOf(s, i + 1);
        if (ailment != wellbeing::Ailment::None)
            P[i]->setText(N[i]->text() + QLatin1Char(' ') +
                          QCoreApplication::translate("Wellbeing", wellbeing::info(ailment).state) +
                          QStringLiteral("  ") + P[i]->text());
    }
    markParty();
}

void TGame::CheckHealth(QLineEdit* name, QLabel* label, int value)
{
    const QString sentence = value >= 3   ? tr("%1's condition is critical.")
                             : value == 2 ? tr("%1's condition is poor.")
                             : value == 1 ? tr("%1's condition is fair.")
                                          : tr("%1's condition is good.");
    label->setText(sentence.arg(name->text()));
}
