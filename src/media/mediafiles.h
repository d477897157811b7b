#pragma once

// The media files beside the program, relative to the data folder, and the
// stretches of the jingle and voice files that the screens play.

namespace MediaFiles {

constexpr const char* Theme = "music/Theme.flac";
constexpr const char* Jingles = "music/m03.mp3";
constexpr const char* ReelClip = "fish/reelsin.avi";
constexpr const char* KeepersClip = "post/post04.avi";
constexpr const char* ShopkeeperVoice = "fleamart/mayi-short.mp3";
constexpr const char* EagleGlyph = "fleamart/eaghd1.bmp";
constexpr const char* IntroFace = "intro/introspeak3.AVI";
constexpr const char* IntroFire = "intro/intro2.avi";
constexpr const char* IntroNarration = "intro/intro-short.mp3";
constexpr const char* ClosingWords = "intro/closing.mp3"; // Sedora at the journey's end
constexpr const char* CastSound = "fish/cast.wav";
constexpr const char* RecordFishSound = "fish/yeehaw.wav";
constexpr const char* HelpContents = "help/index.html";

} // namespace MediaFiles

// A stretch of a media file, in milliseconds.
struct MediaStretch {
    int start;
    int end;
};

namespace Jingles {

constexpr MediaStretch TradingPost{3500, 18500};
constexpr MediaStretch FishingBegins{18800, 22500};
constexpr MediaStretch Ripple{22600, 26100};
constexpr MediaStretch Snakebite{26400, 46000};
constexpr MediaStretch PurchaseAtPost{46800, 51000};

} // namespace Jingles

namespace ShopkeeperLines {

constexpr MediaStretch Greeting{100, 2800};
constexpr MediaStretch Thanks{2900, 4400};

} // namespace ShopkeeperLines

namespace IntroCues {

// Where the narration's words for the intro's captions 2 to 5 begin.
constexpr int Caption2 = 10000;
constexpr int Caption3 = 16500;
constexpr int Caption4 = 25600;
constexpr int Caption5 = 30000;

} // namespace IntroCues
