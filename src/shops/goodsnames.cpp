#include "goodsnames.h"

#include "shell/language.h"
#include "shops/catalogue.h"
#include "shops/plural.h"

#include <QCoreApplication>

namespace goods {

namespace {

// The translated form for the count; nothing where English is spoken or the
// name has no translation yet (the English rule then holds).
QString translatedName(int item, int count)
{
    if (language::chosen() == QLatin1String("en"))
        return {};
    const char* source = catalogueItem(item).name;
    const QString translated = QCoreApplication::translate("Goods", source, nullptr, count);
    return translated == QLatin1String(source) ? QString() : translated;
}

} // namespace

QString countedItem(int item, int count)
{
    const QString number = QString::number(count);
    if (const QString translated = translatedName(item, count); !translated.isEmpty())
        return number + QLatin1Char(' ') + translated;
    return englishCountedItem(item, count);
}

QString englishCountedItem(int item, int count)
{
    return Plural(QString::number(count) + QLatin1Char(' ') + ItemName(item));
}

QString shownItemName(int item, int count)
{
    return countedItem(item, count).mid(QString::number(count).size() + 1);
}

} // namespace goods
