#pragma once

// What each town of the trail holds: its name, its spirit (who, as the
// prompts name them, and the two clips with where they play on the scene
// picture), the good the spirit gives and the two special offers that ask for
// it, which set of trifles applies, and whether the town offers fishing or a
// trading post. The journey, the prompts, the journal and the content
// generator all take the towns from here.

#include "shell/gamefacts.h"

#include <QRect>
#include <QString>

struct TownContent {
    // The town's name, shown on arrival; empty for a town not yet written.
    QString townName;

    // The spirit's appearance clip and speaking clip, with their rectangles
    // in the 600 x 450 picture; empty where the town has no spirit (the
    // clips of the previous town then stay loaded).
    QString ghostClip;
    QRect ghostRect;
    QString charClip;
    QRect charRect;

    // Who the spirit is. `spiritName` is the spirit's own name ("Aiyana");
    // `spiritWho` finishes "Now click the "Look Around" button to see ..."
    // ("a Verunai girl who walked this Trail nearly two hundred years ago");
    // `spiritCalled` is how the prompts speak of the spirit afterwards ("the
    // Verunai girl"); `female` chooses "her"/"she" or "him"/"he".
    QString spiritName;
    QString spiritWho;
    QString spiritCalled;
    bool female = false;

    // The good the spirit gives (line town - 2 of the trade list), as the
    // trade prompt names it after "will offer to give you " ("some SNAKEROOT"),
    // and the sentence that praises the trade and says what the good is for.
    QString goodInCapitals;
    QString goodPraise;

    // What the scene shows, for screen readers and the journal ("A meadow
    // above a river at dusk.").
    QString sceneDescription;

    int spiritNo = 1;            // whose trifles apply (from the town's facts)
    int encounterOnArrival = -1; // a spirit's texts that apply from arrival, -1 none
    bool fishing = false;        // a lake: "Go Fishing" (from the town's facts)
    // The two special offers of the town's spirit: the catalogue items asked
    // for, a first and a second candidate each; none where the spirit makes
    // general offers only. A special offer gives the town's useful good.
    struct SpecialOffer {
        int firstCandidate = -1;
        int secondCandidate = -1;
    };
    SpecialOffer offerOne;
    SpecialOffer offerTwo;

    bool hasSpirit() const { return !ghostClip.isEmpty(); }
};


// The content of town 1..28 (an empty content for any other number).
TownContent townContent(int town);

// Whether the good of a town's spirit is a remedy (a plant or a salve the
// people healed with), rather than a keepsake, a tool or a way to make fire.
bool goodIsARemedy(int town);
