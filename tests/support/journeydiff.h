#pragma once

// The fields in which two journeys differ, one line each
// ("Score: saved 5, opened 10"), for a failing test to print.

#include "shell/journeystate.h"

#include <QStringList>

QStringList journeyDifferences(const journey::JourneyState& saved,
                               const journey::JourneyState& opened);
