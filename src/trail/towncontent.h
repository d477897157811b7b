#pragma once

// What each town of the trail holds: its spirit's two clips and where they
// play on the scene picture, which spirit's trade table applies, and whether
// the town offers fishing or a trading post. The journey takes everything
// from here, town by town.

#include <QRect>
#include <QString>

struct TownContent {
    // The spirit's appearance clip and speaking clip, with their rectangles
    // in the 600 x 450 picture; empty where the town has no spirit yet (the
    // clips of the previous town then stay loaded).
    QString ghostClip;
    QRect ghostRect;
    QString charClip;
    QRect charRect;
    int spiritNo = 1;          // whose trade table applies
    int encounterOnArrival = -1; // a spirit's texts that apply from arrival, -1 none
    bool fishing = false;      // "Go Fishing" instead of "Visit the Trading Post"
    // The two special offers of the town's spirit: the catalogue items asked
    // for, a first and a second candidate each; none where the spirit makes
    // general offers only. A special offer gives the town's useful good.
    struct SpecialOffer {
        int firstCandidate = -1;
        int secondCandidate = -1;
    };
    SpecialOffer offerOne;
    SpecialOffer offerTwo;
};

// The content of town 1..28 (an empty content for any other number).
TownContent townContent(int town);
