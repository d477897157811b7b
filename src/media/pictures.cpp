#include "pictures.h"

#include "media/jpegdecoder.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace media {

namespace {

// Lower-case name -> resource path, for one resource folder.
using Catalogue = QHash<QString, QString>;

Catalogue scan(const QString& folder)
{
    Catalogue catalogue;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        catalogue.insert(QFileInfo(path).completeBaseName().toLower(), path);
    }
    return catalogue;
}

const Catalogue& jpegCatalogue()
{
    static const Catalogue catalogue = scan(QStringLiteral(":/pictures"));
    return catalogue;
}

const Catalogue& bitmapCatalogue()
{
    static const Catalogue catalogue = scan(QStringLiteral(":/bitmaps"));
    return catalogue;
}

QString& pictureLanguage()
{
    static QString code;
    return code;
}

QByteArray resourceBytes(const Catalogue& catalogue, const QString& name)
{
    const QString inLanguage = name.toLower() + QLatin1Char('-') + pictureLanguage();
    const QString path = catalogue.value(
        !pictureLanguage().isEmpty() && catalogue.contains(inLanguage) ? inLanguage
                                                                       : name.toLower());
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        platform::raise(
            QCoreApplication::translate("Media", "The picture \"%1\" is missing from the game.")
                .arg(name));
    return file.readAll();
}

} // namespace

QImage jpegPicture(const QString& name)
{
    return decodeJpeg(resourceBytes(jpegCatalogue(), name), name);
}

QImage bitmapPicture(const QString& name)
{
    QImage image = QImage::fromData(resourceBytes(bitmapCatalogue(), name), "BMP");
    if (image.isNull())
        platform::raise(QCoreApplication::translate(
                            "Media", "The picture \"%1\" is damaged and cannot be shown.")
                            .arg(name));
    return image;
}

void setPictureLanguage(const QString& code)
{
    pictureLanguage() = code == QLatin1String("en") ? QString() : code.toLower();
}

QStringList jpegPictureNames()
{
    QStringList names;
    for (auto it = jpegCatalogue().cbegin(); it != jpegCatalogue().cend(); ++it)
        names << QFileInfo(it.value()).completeBaseName();
    names.sort();
    return names;
}

bool hasJpegPicture(const QString& name)
{
    return jpegCatalogue().contains(name.toLower());
}

void loadJpegInto(platform::PictureBox* target, const QString& name)
{
    if (!target)
        platform::raise(QCoreApplication::translate("Media", "The Image Property is empty!"));
    target->setPicture(jpegPicture(name));
}

} // namespace media
