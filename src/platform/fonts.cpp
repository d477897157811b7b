#include "fonts.h"

#include <QStringList>

namespace platform {

namespace {

QFont make(const QStringList& families, int pixelSize, bool bold, bool italic)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont sansFont(int pixelSize, bool bold)
{
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                 QStringLiteral("DejaVu Sans")},
                pixelSize, bold, false);
}

QFont serifFont(int pixelSize, bool bold, bool italic)
{
    QFont font = make({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                       QStringLiteral("DejaVu Serif")},
                      pixelSize, bold, italic);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace platform
