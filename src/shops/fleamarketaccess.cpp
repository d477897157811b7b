// The flea market for players who use the keyboard or a screen reader, and
// its captions at the size the player chose. Tab goes from door to door, to
// the scene, the way out, the inventory, the eagle and the Okay button; each
// step of the instructions gives the focus to what it asks the player to
// press, and its text is announced as it appears.

#include "fleamarket.h"
#include "media/artworknames.h"
#include "media/pictures.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/captionsize.h"
#include "platform/keyboardbutton.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

void TFleaMarket::setUpAccess()
{
    // The order the player meets them in, left to right and then the bar.
    setTabOrder(Door2, Door1);
    setTabOrder(Door1, Image1);
    setTabOrder(Image1, South);
    setTabOrder(South, InvFM);
    setTabOrder(InvFM, eag);
    setTabOrder(eag, IButton);

    platform::keyboardButton(IButton);
    platform::addCaptionSizeItems(Help1);
    platform::addCaptionSizeKeys(this);
    platform::followCaptionSize(ILabel, platform::CaptionFit::FontOnly);
    platform::followCaptionSize(eagLabel, platform::CaptionFit::FontOnly);
    connect(&platform::CaptionSize::instance(), &platform::CaptionSize::changed, this, [this] {
        fitInstructions();
        fitBottomBar();
    });

    describeScene();
    // The size the player chose last time holds from the first panel on.
    fitInstructions();
    fitBottomBar();
    // The arrival's Okay, for Enter to press.
    IButton->setFocus();
}

void TFleaMarket::describeScene()
{
    QString description = GridPos < 10 ? tr("The flea market lane.") : tr("Inside the shop.");
    if (ScreenArmed && Image1->isEnabled() && GridPos == 22)
        description += QStringLiteral("  ") + tr("Press to open the store.");
    if (Image1->accessibleDescription() != description)
        Image1->setAccessibleDescription(description);
}

void TFleaMarket::offerFocus(QWidget* control)
{
    if (control->isVisibleTo(this) && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

void TFleaMarket::setBottomLine(std::function<QString()> words)
{
    platform::setLiveText(eagLabel, std::move(words));
    fitBottomBar();
    platform::announce(eagLabel, eagLabel->text());
}

void TFleaMarket::clearBottomLine()
{
    setBottomLine([] { return QString(); });
}

void TFleaMarket::languageChanged()
{
    // The panel's title and the inventory button's are painted in their pictures.
    IPic->setPicture(media::bitmapPicture(QString::fromLatin1(artwork::FleaInstructionPanel.name)));
    InvFM->setGlyph(QPixmap::fromImage(
        media::bitmapPicture(QString::fromLatin1(artwork::FleaInventoryGlyph.name))));
    // The fixed words and the lines in view are put anew by then; the
    // scene's description and the panels' sizes follow them.
    describeScene();
    fitInstructions();
    fitBottomBar();
}

void TFleaMarket::fitInstructions()
{
    const double factor = platform::CaptionSize::instance().factor();
    const auto scaled = [factor](QPoint offset) {
        return QPoint(qRound(offset.x() * factor), qRound(offset.y() * factor));
    };
    const QSize panel(qRound(artwork::FleaInstructionPanel.width * factor),
                      qRound(artwork::FleaInstructionPanel.height * factor));
    // Above the bottom panel, which lies over the scene.
    const QRect room(0, 0, Client->width(), Client->height() - layout.BottomPanelHeight);
    const QRect place = fleaPanelPlace(layout, panelPlace_, panel, room);
    IPic->setGeometry(place);
    const QSize text(qRound(FleaLayout::ILabelSize.width() * factor),
                     qRound(FleaLayout::ILabelSize.height() * factor));
    ILabel->setGeometry(QRect(place.topLeft() + scaled(layout.ILabel - layout.IPic), text));
    IButton->move(place.topLeft() + scaled(layout.IButton - layout.IPic));
}

void TFleaMarket::fitBottomBar()
{
    const int textHeight = eagLabel->heightForWidth(eagLabel->width());
    const FleaBar bar = fitFleaBar(layout, Client->height(), textHeight);
    Panel2->setGeometry(0, bar.BottomPanelTop, Client->width(),
                        Client->height() - bar.BottomPanelTop);
    BOTimage->setGeometry(Panel2->rect());
    Panel1->setGeometry(bar.Panel1);
    const int buttonsTop = bar.Panel1.height() - FleaLayout::BarHeight;
    InvFM->move(InvFM->x(), buttonsTop);
    eag->move(eag->x(), buttonsTop);
    eagLabel->resize(eagLabel->width(), std::max(FleaLayout::HintHeight, textHeight));
}

void TFleaMarket::announceArrival()
{
    // Once, as the market first comes up: the reader has the window's title
    // and the Okay button from the desktop, the story from here.
    if (arrivalAnnounced_ || !isVisible())
        return;
    arrivalAnnounced_ = true;
    platform::announce(ILabel, ILabel->text() + QStringLiteral("  ") + eagLabel->text());
}
