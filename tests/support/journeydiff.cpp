#include "journeydiff.h"

#include <QSet>
#include <variant>

namespace {

QString shown(const journey::JourneyState& state, const QString& name)
{
    if (!state.contains(name))
        return QStringLiteral("(none)");
    const journey::JourneyState::Value value = state.values().value(name);
    QString text;
    if (const auto* n = std::get_if<qint64>(&value))
        text = QString::number(*n);
    else if (const auto* t = std::get_if<QString>(&value))
        text = QLatin1Char('"') + *t + QLatin1Char('"');
    else if (const auto* lines = std::get_if<QStringList>(&value))
        text = QStringLiteral("%1 lines, last \"%2\"")
                   .arg(lines->size())
                   .arg(lines->value(lines->size() - 1));
    else if (const auto* numbers = std::get_if<QList<qint64>>(&value)) {
        QStringList parts;
        for (qint64 number : *numbers)
            parts << QString::number(number);
        text = QLatin1Char('[') + parts.join(',') + QLatin1Char(']');
    } else {
        text = QStringLiteral("(a field of an unknown kind)");
    }
    return text.size() > 120 ? text.left(117) + QStringLiteral("...") : text;
}

} // namespace

QStringList journeyDifferences(const journey::JourneyState& saved,
                               const journey::JourneyState& opened)
{
    QStringList names = saved.names();
    for (const QString& name : opened.names()) {
        if (!names.contains(name))
            names << name;
    }
    names.sort();
    QStringList differences;
    for (const QString& name : names) {
        if (saved.contains(name) && opened.contains(name) &&
            saved.values().value(name) == opened.values().value(name))
            continue;
        differences << QStringLiteral("%1: saved %2, opened %3")
                           .arg(name, shown(saved, name), shown(opened, name));
    }
    return differences;
}
