#include "titles.h"

#include "fleamarket.h"
#include "maps.h"
#include "ui.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QTranslator>

namespace gen {

QString title(const char* source)
{
    return QCoreApplication::translate("Pictures", source);
}

QString titled(const QString& name, const QString& languageMark)
{
    return languageMark.isEmpty() ? name : name + QLatin1Char('-') + languageMark;
}

namespace {

void paintInLanguage(const Folders& folders, const QString& mark)
{
    paintFleaTitled(folders, mark);
    paintInterfaceTitled(folders, mark);
    paintMapTitled(folders, mark);
}

} // namespace

void paintTitledPictures(const Folders& folders)
{
    paintInLanguage(folders, QString());
    // The translations compiled into the generator: kelvarin_fr.qm -> "fr".
    QDirIterator it(QStringLiteral(":/i18n"), {QStringLiteral("kelvarin_*.qm")}, QDir::Files);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString& file : files) {
        QTranslator translation;
        if (!translation.load(file))
            continue;
        QCoreApplication::installTranslator(&translation);
        paintInLanguage(folders, QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1));
        QCoreApplication::removeTranslator(&translation);
    }
}

} // namespace gen
