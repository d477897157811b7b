#pragma once

// The market's question about the journey saved automatically. Starting anew
// lets that journey go at the next town, so it is asked twice; Escape, or
// closing the box, never lets it go.

#include <QString>

class QWidget;

enum class SavedJourneyAnswer { GoOn, StartAnew };

// Asks whether to go on with the journey that stopped in the town, until
// the answer is sure.
SavedJourneyAnswer askAboutSavedJourney(QWidget* parent, int town, const QString& townName);
