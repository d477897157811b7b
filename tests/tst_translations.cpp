// The translators' files: every text of the game has its translation in
// each language, and each translation keeps what the game fills in or
// reads from it: the same placeholders (%1, %2, %n), the same underlined
// letter for a menu item or a button, the blanks a text begins or ends
// with (a piece of a longer sentence).

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one for each plural form
    bool unfinished = false;
};

QList<Message> messagesOf(const QString& fileName)
{
    QList<Message> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, false};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            QStringList forms;
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) &&
                   !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            message.translations = forms.isEmpty() ? QStringList{text} : forms;
            messages << message;
        }
    }
    return messages;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QSet<QString> found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured());
    return found;
}

// An underlined letter: "&" before a letter, not "&&" nor "& " in prose.
int accelerators(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("(?<!&)&(?=[^\\s&])"));
    return static_cast<int>(text.count(marker));
}

QString edges(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("^(\\s*).*?(\\s*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = blanks.match(text);
    return QString::number(match.captured(1).size()) + QLatin1Char('/') +
           QString::number(match.captured(2).size());
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsTranslatedAndKeepsWhatTheGameFillsIn_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("French") << QStringLiteral("fr");
    }

    void everyTextIsTranslatedAndKeepsWhatTheGameFillsIn()
    {
        QFETCH(QString, code);
        const QList<Message> messages = messagesOf(
            QStringLiteral(KELVARIN_SOURCE_DIR "/translations/kelvarin_%1.ts").arg(code));
        QVERIFY(messages.size() > 1000);
        QStringList problems;
        for (const Message& message : messages) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            if (message.unfinished) {
                problems << QStringLiteral("not translated: ") + where;
                continue;
            }
            for (const QString& translation : message.translations) {
                if (translation.trimmed().isEmpty() && !message.source.trimmed().isEmpty())
                    problems << QStringLiteral("empty: ") + where;
                else if (placeholders(translation) != placeholders(message.source))
                    problems << QStringLiteral("placeholders differ: ") + where +
                                    QStringLiteral(" -> ") + translation;
                else if (accelerators(message.source) != accelerators(translation))
                    problems << QStringLiteral("underlined letter: ") + where +
                                    QStringLiteral(" -> ") + translation;
                else if (edges(message.source) != edges(translation))
                    problems << QStringLiteral("blanks at its ends: ") + where +
                                    QStringLiteral(" -> ") + translation;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
