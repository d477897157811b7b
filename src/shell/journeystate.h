#pragma once

// A journey on the trail as a record of named values, to be saved and opened
// again: the game state's values, what the party owns, its money, the catch
// and the travellers' names, and whatever the trail screen adds of its own.
// Named values rather than fixed places let a later Kelvarin add fields and
// still open the journeys saved before (journeyfields.h says which fields
// are known and what they may hold).

#include "shell/gamestate.h"
#include "shell/journeyfields.h"
#include "shell/ownedgoods.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace journey {

// A field of a kind this Kelvarin does not know, from a journey saved by a
// later one: kept exactly as read, and written back when the journey is.
struct UnknownValue {
    std::uint8_t kind = 0;
    QByteArray bytes;
    bool operator==(const UnknownValue&) const = default;
};

class JourneyState {
public:
    using Value = std::variant<qint64, QString, QStringList, QList<qint64>, UnknownValue>;

    // The values of the game that live outside the trail screen: the game
    // state's values the trail uses, what the party owns, and the money
    // (which the store keeps). The catch list and the names are the trail
    // screen's to add, with setCatchList and setPartyNames.
    static JourneyState fromGame(qint64 money, const GameState& state = gameState(),
                                 const goods::Possessions& owned = goods::possessions());
    // Puts those values back into the game and returns the money, for the
    // store. The journey must be whole (check() empty; every journey read
    // from a file is): otherwise nothing is changed and -1 is returned.
    // Values of the game state that a journey does not hold (the screen's
    // geometry, the music switch, the timers' modes) stay as they are.
    qint64 applyToGame(GameState& state = gameState(),
                       goods::Possessions& owned = goods::possessions()) const;

    // Why the game cannot take this journey (journeyfields.h); empty when it can.
    QString check() const;

    bool contains(const QString& name) const { return values_.contains(name); }
    // The kind of a field; none when the journey does not have it.
    std::optional<Kind> kindOf(const QString& name) const;
    QStringList names() const { return values_.keys(); }
    void remove(const QString& name) { values_.remove(name); }

    // Typed access. A getter of the wrong kind, or of a field the journey
    // does not have, gives the fallback (or an empty text or list). A setter
    // replaces the field whatever it held.
    qint64 number(const QString& name, qint64 fallback = 0) const;
    void setNumber(const QString& name, qint64 value);
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& value);
    QStringList texts(const QString& name) const;
    void setTexts(const QString& name, const QStringList& value);
    QList<qint64> numbers(const QString& name) const;
    void setNumbers(const QString& name, const QList<qint64>& value);

    // The trail screen's own lists.
    QStringList catchList() const { return texts(field::FishList); }
    void setCatchList(const QStringList& lines) { setTexts(field::FishList, lines); }
    QStringList partyNames() const { return texts(field::Names); }
    void setPartyNames(const QStringList& names) { setTexts(field::Names, names); }
    qint64 money() const { return number(field::Money); }

    // Every field as it is held, for writing it out and reading it in (an
    // UnknownValue only ever holds a kind this Kelvarin does not know).
    const QMap<QString, Value>& values() const { return values_; }
    void setValue(const QString& name, const Value& value) { values_.insert(name, value); }

    bool operator==(const JourneyState&) const = default;

private:
    QMap<QString, Value> values_;
};

} // namespace journey
