#pragma once

// Where in its town a saved journey opens again. A journey is saved with the
// moment it will reopen to, so that the file says exactly what the screen
// will show: the welcome in the first town; the route drawn and the
// look-around prompt to come; the route drawn and the trading post as the
// way on; or the spirit standing in the scene with the way on open. Fishing,
// a visit to the trading post or a trade in progress are not taken along:
// the party starts them again from there.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace journey {
class JourneyState;
}

enum class ReopenWay {
    Welcome,        // the first town: the welcome comes, "Go To Next Town" is open
    LookPromptNext, // the route is drawn; the look-around prompt comes
    TradingPostNext, // the route is drawn; the trading post is the way on
    SpiritStanding, // the town's spirit has spoken and stands in the scene
};

// The scene-flow values of the moment a journey reopens to.
struct ReopenedFlow {
    ReopenWay way = ReopenWay::Welcome;
    int stage = 2;
    int activity = 1;
    QString sceneId;
    int instructionStep = 0;
    int instructionShown = 0;
    int tradeRound = 0;
    int clicksArmed = 0;
};

ReopenedFlow reopenedFlow(int town, std::uint32_t spiritsHeard);
// The flow of the journey's own town and spirits.
ReopenedFlow reopenedFlow(const journey::JourneyState& state);

// Puts the moment it will reopen to into the journey's scene-flow fields.
void setReopenedFlow(journey::JourneyState& state);

// The pictures the game must have to show the journey when it opens.
QStringList picturesToReopen(const ReopenedFlow& flow);
