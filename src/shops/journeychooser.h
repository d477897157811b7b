#pragma once

// The market's question when journeys are saved on this computer: whose
// journey is this? The party picks its journey from the list to go on with
// it, or starts a new one under a name of its own ("Room 12, table 3"), and a
// journey can be removed from the list. A journey goes only when the player
// is sure: starting anew under a name whose journey is saved asks again,
// removing one asks first, and Escape, or closing the box, goes on with the
// journey chosen (the last saved) and lets none go.

#include "journal/journeylist.h"

#include <QString>

class QWidget;

struct JourneyChoice {
    bool goOn = false; // go on with `file`; otherwise start anew
    QString file;
    QString party;     // whose journey: the one gone on with, or the new name
};

// Asks until the answer is sure. The journeys are listed as given; one
// removed is deleted from this computer.
JourneyChoice chooseJourney(QWidget* parent, QList<journey::Listing> journeys);
