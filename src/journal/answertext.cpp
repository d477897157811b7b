#include "answertext.h"

namespace answertext {

QString cleaned(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c == QLatin1Char('\r')) {
            if (k + 1 < text.size() && text.at(k + 1) == QLatin1Char('\n'))
                ++k;
            result += QLatin1Char('\n');
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            result += QLatin1Char('\n');
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            result += c;
        } else if (c.category() == QChar::Other_Control) {
            result += QLatin1Char(' ');
        } else {
            result += c;
        }
    }
    return result.trimmed();
}

QString escaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            result += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            result += QStringLiteral("\\t");
        else
            result += c;
    }
    return result;
}

std::optional<QString> unescaped(const QString& written)
{
    QString result;
    result.reserve(written.size());
    for (qsizetype k = 0; k < written.size(); ++k) {
        const QChar c = written.at(k);
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
        if (c != QLatin1Char('\\')) {
            result += c;
            continue;
        }
        if (++k == written.size())
            return std::nullopt;
        switch (written.at(k).unicode()) {
        case '\\':
            result += QLatin1Char('\\');
            break;
        case 'n':
            result += QLatin1Char('\n');
            break;
        case 't':
            result += QLatin1Char('\t');
            break;
        default:
            return std::nullopt;
        }
    }
    return result;
}

} // namespace answertext
