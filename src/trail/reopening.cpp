#include "reopening.h"

#include "shell/gamestate.h"
#include "shell/journeyfields.h"
#include "shell/journeystate.h"
#include "trail/routetable.h"

namespace {

QString scene(char letter, int town, int stage)
{
    GameState probe;
    probe.setSceneId(letter, town, stage);
    return probe.sceneId();
}

} // namespace

ReopenedFlow reopenedFlow(int town, std::uint32_t spiritsHeard)
{
    ReopenedFlow flow;
    if (GameState::inTownSet(spiritsHeard, town)) {
        // As after looking around once more: the spirit stands there, ready
        // to trade, and no instruction is due until the party moves on.
        flow.way = ReopenWay::SpiritStanding;
        flow.activity = 3;
        flow.sceneId = scene('x', town, 2);
        flow.instructionStep = 10;
        flow.tradeRound = 1;
        flow.clicksArmed = 1;
        return flow;
    }
    flow.sceneId = scene('s', town, 0);
    const auto route = routeSegment(town);
    if (!route) {
        // The first town, as the trail starts: nothing takes clicks before
        // the welcome shows.
        flow.way = ReopenWay::Welcome;
        return flow;
    }
    if (route->eastward) {
        // No instruction comes: the trading post's door takes clicks.
        flow.way = ReopenWay::TradingPostNext;
        flow.instructionStep = 1;
        flow.clicksArmed = 1;
        return flow;
    }
    // The end of the route asks for the look-around prompt; the scene takes
    // no clicks until it shows.
    flow.way = ReopenWay::LookPromptNext;
    flow.instructionStep = 1;
    return flow;
}

ReopenedFlow reopenedFlow(const journey::JourneyState& state)
{
    return reopenedFlow(static_cast<int>(state.number(journey::field::Town)),
                        static_cast<std::uint32_t>(state.number(journey::field::SpiritsHeard)));
}

void setReopenedFlow(journey::JourneyState& state)
{
    namespace field = journey::field;
    const ReopenedFlow flow = reopenedFlow(state);
    state.setNumber(field::Stage, flow.stage);
    state.setNumber(field::Activity, flow.activity);
    state.setText(field::SceneId, flow.sceneId);
    state.setNumber(field::InstructionStep, flow.instructionStep);
    state.setNumber(field::InstructionShown, flow.instructionShown);
    state.setNumber(field::TradeRound, flow.tradeRound);
    state.setNumber(field::ClicksArmed, flow.clicksArmed);
}

QStringList picturesToReopen(const ReopenedFlow& flow)
{
    return {QStringLiteral("map"), flow.sceneId};
}
