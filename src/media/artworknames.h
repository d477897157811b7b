#pragma once

// The artwork the screens draw besides the scene pictures: panels, glyphs of
// the picture buttons, the ripple and the bobber. JPEG artwork is found with
// media::jpegPicture, bitmaps with media::bitmapPicture (32-bit bitmaps carry
// an alpha channel: they are drawn over the scene or the button face and are
// transparent around their shape). Sizes are the pictures' own pixels.

#include <QColor>
#include <QtGlobal>
#include <array>

namespace artwork {

enum class Kind { Jpeg, Bitmap };

struct Artwork {
    const char* name;
    int width;
    int height;
    Kind kind;
};

// Trail screen: the instruction panel behind IL1 and IL2 (IPic). Its text
// areas, (20, 40) 280 x 110 and (20, 110) 280 x 70, are plain parchment.
inline constexpr Artwork InstructionPanel{"ipanel", 318, 260, Kind::Bitmap};
// Trail screen: the bottom bar's background (ImageBot), stretched over BPanel.
inline constexpr Artwork BottomBar{"bottombar", 1024, 168, Kind::Jpeg};
// Trail screen: glyphs of the 129 x 73 picture buttons BtnMap, BtnParty, BtnInv.
inline constexpr Artwork MapGlyph{"glyphmap", 112, 60, Kind::Bitmap};
inline constexpr Artwork PartyGlyph{"glyphparty", 112, 60, Kind::Bitmap};
inline constexpr Artwork InventoryGlyph{"glyphinv", 112, 60, Kind::Bitmap};
// Fishing: the ripples shown on the good spot (the hotspot control), and the
// float (Bobber).
inline constexpr Artwork Ripple{"ripple", 80, 50, Kind::Bitmap};
inline constexpr Artwork Bobber{"bobber", 10, 10, Kind::Bitmap};
// Store and inventory: the arrows of the Back (92 x 48) and Forward (89 x 48)
// buttons, drawn beside their captions; a disabled button greys them.
inline constexpr Artwork BackGlyph{"arrowback", 40, 30, Kind::Bitmap};
inline constexpr Artwork ForwardGlyph{"arrowforward", 40, 30, Kind::Bitmap};
// Flea market: the instruction panel behind ILabel and IButton (IPic); its
// text area (20, 110) 281 x 130 and the button's place are plain parchment.
inline constexpr Artwork FleaInstructionPanel{"fmpanel", 318, 260, Kind::Bitmap};
// Flea market: the glyph of the 128 x 72 inventory button InvFM.
inline constexpr Artwork FleaInventoryGlyph{"fminv", 120, 64, Kind::Bitmap};
// The game's icon, for its windows and the desktop entry.
inline constexpr Artwork GameIcon{"kelvarin", 128, 128, Kind::Bitmap};

inline constexpr std::array<Artwork, 12> All{
    InstructionPanel, BottomBar, MapGlyph,     PartyGlyph,           InventoryGlyph,     Ripple,
    Bobber,           BackGlyph, ForwardGlyph, FleaInstructionPanel, FleaInventoryGlyph, GameIcon};

// The titles painted into the pictures: the content generator paints each
// picture again in every language of the game ("FMPANEL-fr"), and the game
// shows the one of the language in view (media::setPictureLanguage).
namespace titles {
inline constexpr const char* FleaPanel = QT_TRANSLATE_NOOP("Pictures", "The Flea Market");
inline constexpr const char* FleaInventory = QT_TRANSLATE_NOOP("Pictures", "Inventory");
inline constexpr const char* StoreGoods = QT_TRANSLATE_NOOP("Pictures", "Flea Market Goods");
inline constexpr const char* PostSupplies = QT_TRANSLATE_NOOP("Pictures", "Trading Post Supplies");
inline constexpr const char* JourneyMap = QT_TRANSLATE_NOOP("Pictures", "The Weyfarra Trail");
inline constexpr const char* JourneyMapLine =
    QT_TRANSLATE_NOOP("Pictures", "from the old homeland, west");
} // namespace titles

// The route maps (S010, S020, ...) draw each town's road in this colour under
// the route the game draws in red; the journey map (MAP) draws the trail
// through its towns in the second colour under the red path.
inline constexpr QColor RouteRoadColour{246, 232, 192};
inline constexpr QColor MapTrailColour{128, 78, 40};

// The flea market's eagle button reads its glyph from this file beside the
// program each time the market is shown (126 x 72 button).
inline constexpr const char* EagleGlyphFile = "fleamart/eaghd1.bmp";
inline constexpr int EagleGlyphWidth = 120;
inline constexpr int EagleGlyphHeight = 64;

} // namespace artwork
