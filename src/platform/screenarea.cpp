#include "screenarea.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

namespace platform {

std::optional<QSize> parseScreenSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{2,5})\\s*[xX]\\s*(\\d{2,5})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 320 || size.height() < 240)
        return std::nullopt;
    return size;
}

QRect fourByThreeArea(const QRect& screen)
{
    // Wider than 4:3 when width * 3 > height * 4.
    if (static_cast<long long>(screen.width()) * 3 <= static_cast<long long>(screen.height()) * 4)
        return screen;
    const int width = screen.height() * 4 / 3;
    return {screen.x() + (screen.width() - width) / 2, screen.y(), width, screen.height()};
}

bool screenSizeForced()
{
    return parseScreenSize(qEnvironmentVariable("KELVARIN_SCREEN")).has_value();
}

QRect fullScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect real = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (const auto forced = parseScreenSize(qEnvironmentVariable("KELVARIN_SCREEN"))) {
        QRect rect(QPoint(0, 0), *forced);
        if (forced->width() <= real.width() && forced->height() <= real.height())
            rect.moveCenter(real.center());
        return rect;
    }
    return real;
}

QRect gameScreenRect()
{
    return fourByThreeArea(fullScreenRect());
}

} // namespace platform
