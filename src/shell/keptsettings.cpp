#include "keptsettings.h"

#include "gamestate.h"
#include "language.h"
#include "media/audiovolume.h"
#include "platform/captionsize.h"
#include "platform/screenarea.h"
#include "platform/windowmode.h"

#include <QSettings>

namespace kept {

namespace {

const QString MusicKey = QStringLiteral("sound/music");
const QString VolumeKey = QStringLiteral("sound/volume");
const QString CaptionKey = QStringLiteral("captions/size");
const QString FullScreenKey = QStringLiteral("display/fullScreen");
const QString WindowSizeKey = QStringLiteral("display/windowSize");
const QString LanguageKey = QStringLiteral("display/language");

// The caption sizes by the names the settings file shows.
constexpr const char* CaptionNames[] = {"normal", "large", "larger"};

struct Keeper {
    std::unique_ptr<QSettings> settings;
    Choices choices;
};

Keeper& keeper()
{
    static Keeper kept;
    return kept;
}

std::optional<bool> readFlag(QSettings& settings, const QString& key)
{
    const QString text = settings.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

void write(const QString& key, const QVariant& value)
{
    if (QSettings* settings = keeper().settings.get())
        settings->setValue(key, value);
}

} // namespace

Choices read(QSettings& settings)
{
    Choices choices;
    choices.music = readFlag(settings, MusicKey);
    choices.fullScreen = readFlag(settings, FullScreenKey);
    if (const auto size = platform::parseScreenSize(settings.value(WindowSizeKey).toString());
        size && size->width() >= platform::WindowMode::smallestWindowSize().width() &&
        size->height() >= platform::WindowMode::smallestWindowSize().height())
        choices.windowSize = *size;
    bool number = false;
    const int volume = settings.value(VolumeKey).toString().trimmed().toInt(&number);
    if (number && volume >= 0 && volume <= 100)
        choices.volume = volume;
    if (const QString code = settings.value(LanguageKey).toString().trimmed().toLower();
        language::isOffered(code))
        choices.language = code;
    const QString caption = settings.value(CaptionKey).toString().trimmed().toLower();
    for (int size = 0; size < int(std::size(CaptionNames)); ++size) {
        if (caption == QLatin1String(CaptionNames[size]))
            choices.captionSize = size;
    }
    return choices;
}

void startKeeping(std::unique_ptr<QSettings> settings)
{
    stopKeeping();
    if (!settings)
        return;
    const Choices choices = read(*settings);
    keeper().choices = choices;
    if (choices.music)
        gameState().MusicEnabled = *choices.music ? 1 : 0;
    if (choices.volume)
        media::AudioVolume::instance().setPercent(*choices.volume);
    if (choices.captionSize)
        platform::CaptionSize::instance().setSize(
            static_cast<platform::CaptionSize::Size>(*choices.captionSize));
    if (choices.windowSize)
        platform::WindowMode::instance().setWindowSize(*choices.windowSize);
    if (choices.fullScreen)
        platform::WindowMode::instance().setFullScreen(*choices.fullScreen);
    language::choose(choices.language.value_or(language::forLocale(QLocale::system())));
    // A translator sees a translation in the game before it is complete
    // (KELVARIN_LANGUAGE=fr); the choice is not kept.
    if (const QString preview = qEnvironmentVariable("KELVARIN_LANGUAGE"); !preview.isEmpty())
        language::install(preview);
    keeper().settings = std::move(settings);

    // Later changes, however they are made (menu, keys, slider), are kept.
    QObject* context = keeper().settings.get();
    QObject::connect(&media::AudioVolume::instance(), &media::AudioVolume::changed, context,
                     [] { write(VolumeKey, media::AudioVolume::instance().percent()); });
    QObject::connect(&platform::CaptionSize::instance(), &platform::CaptionSize::changed, context,
                     [](platform::CaptionSize::Size size) {
                         write(CaptionKey, QLatin1String(CaptionNames[size]));
                     });
    auto& mode = platform::WindowMode::instance();
    QObject::connect(&mode, &platform::WindowMode::changed, context,
                     [](bool fullScreen) { write(FullScreenKey, fullScreen); });
    QObject::connect(&mode, &platform::WindowMode::windowSizeChanged, context, [](QSize size) {
        write(WindowSizeKey, QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    });
}

void stopKeeping()
{
    if (keeper().settings)
        keeper().settings->sync();
    keeper().settings.reset(); // its connections go with it
    keeper().choices = {};
}

void keepLanguage(const QString& code)
{
    write(LanguageKey, code);
}

void keepMusic(bool on)
{
    write(MusicKey, on);
}

} // namespace kept
