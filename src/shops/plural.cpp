#include "plural.h"

namespace goods {

QString Plural(const QString& text)
{
    if (text.isEmpty() || text.contains(QLatin1String("1 ")))
        return text;

    QString result = text;
    if (const qsizetype of = text.indexOf(QLatin1String(" of ")); of >= 0) {
        const bool afterH = of > 0 && text.at(of - 1) == QLatin1Char('h');
        result.insert(of, afterH ? QLatin1String("es") : QLatin1String("s"));
        return result;
    }

    const QChar last = text.back();
    if (last == QLatin1Char('s') || last == QLatin1Char('h'))
        return result;
    result.append(last == QLatin1Char('x') ? QLatin1String("es") : QLatin1String("s"));
    return result;
}

} // namespace goods
