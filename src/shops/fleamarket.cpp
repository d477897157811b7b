#include "fleamarket.h"

#include "media/artworknames.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "platform/background.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/controls.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/radialtransition.h"
#include "shell/durations.h"
#include "shell/screens.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using platform::guard;
using platform::PictureBox;
using platform::TextRole;

namespace {

// The market's fixed words, in the language in view.
void words(QObject* object, const char* source, TextRole role = TextRole::Shown)
{
    platform::setTranslatedText(object, "TFleaMarket", source, role);
}

PictureBox* newPicture(QWidget* parent, const char* name, const char* accessibleName)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(QString::fromLatin1(name));
    words(picture, accessibleName, TextRole::AccessibleName);
    return picture;
}

// A see-through place on the scene that the player can click.
QLabel* newPlace(QWidget* parent, const char* name, const char* accessibleName, QRect place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    words(label, accessibleName, TextRole::AccessibleName);
    label->setGeometry(place);
    return label;
}

} // namespace

TFleaMarket::TFleaMarket(QWidget* parent) : Form(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FleaMarket"));
    words(this, QT_TRANSLATE_NOOP("TFleaMarket", "Flea Market"));
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    platform::fillBackground(Client, Qt::black);

    createMenu();
    createScene();
    createInstructionPanel();
    // The frame and the bar lie above the scene and everything on it. The
    // door lies above the instruction panel that partly covers it, so that
    // all of the door the player sees can be clicked.
    createFrame();
    createBottomBar();
    Door2->stackUnder(LeftPanel);

    MPTalk = media::createPlayer(this);
    MPTalk->setObjectName(QStringLiteral("MPTalk"));
    MPTalk->FileName = QString::fromLatin1(MediaFiles::ShopkeeperVoice);

    T1 = new QTimer(this);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setInterval(Durations::FleaStep);
    connect(T1, &QTimer::timeout, this, guard(this, &TFleaMarket::T1Timer));

    FT1 = new TFormTransitions(this);
    FT1->DestroyTransitions = false;
    if (Game)
        FT1->ShowTransition = Game->Transition2;

    FormCreate();
    setUpAccess();
}

TFleaMarket::~TFleaMarket() = default;

void TFleaMarket::createScene()
{
    Image1 = newPicture(Client, "Image1", QT_TRANSLATE_NOOP("TFleaMarket", "Market scene"));
    Image1->setEnabled(false);
    connect(Image1, &PictureBox::clicked, this, guard(this, &TFleaMarket::ScreenClick));
    connect(Image1, &PictureBox::doubleClicked, this, guard(this, &TFleaMarket::ScreenClick));

    // The doors have no picture of their own: the scene shows through.
    Door2 = newPicture(Client, "Door2", QT_TRANSLATE_NOOP("TFleaMarket", "Door #4"));
    Door2->setGeometry(648, 72, 81, 193);
    words(Door2, QT_TRANSLATE_NOOP("TFleaMarket", "Click to Enter"), TextRole::ToolTip);
    words(Door2, QT_TRANSLATE_NOOP("TFleaMarket", "Press to enter the shop."),
          TextRole::AccessibleDescription);
    Door2->hide();
    connect(Door2, &PictureBox::clicked, this, guard(this, &TFleaMarket::Door2Click));
    Door1 = newPicture(Client, "Door1", QT_TRANSLATE_NOOP("TFleaMarket", "Door #3"));
    Door1->setGeometry(224, 56, 81, 193);
    words(Door1, QT_TRANSLATE_NOOP("TFleaMarket", "This shop is closed today"), TextRole::ToolTip);
    words(Door1, QT_TRANSLATE_NOOP("TFleaMarket", "This shop is closed today."),
          TextRole::AccessibleDescription);
    connect(Door1, &PictureBox::clicked, this, guard(this, &TFleaMarket::Door1Click));
    West = newPlace(Client, "West", QT_TRANSLATE_NOOP("TFleaMarket", "West"), QRect(0, 0, 105, 55));
    West->hide();
    East =
        newPlace(Client, "East", QT_TRANSLATE_NOOP("TFleaMarket", "East"), QRect(683, 0, 105, 55));
    East->hide();

    South = newPicture(Client, "South", QT_TRANSLATE_NOOP("TFleaMarket", "Way out"));
    words(South, QT_TRANSLATE_NOOP("TFleaMarket", "Press to leave the shop."),
          TextRole::AccessibleDescription);
    South->setGeometry(360, 208, 55, 96);
    South->hide();
    connect(South, &PictureBox::clicked, this, guard(this, &TFleaMarket::SouthClick));
}

void TFleaMarket::createInstructionPanel()
{
    IPic = newPicture(Client, "IPic", QT_TRANSLATE_NOOP("TFleaMarket", "Instructions"));
    IPic->setPicture(media::bitmapPicture(QString::fromLatin1(artwork::FleaInstructionPanel.name)));
    IPic->setGeometry(352, 226, artwork::FleaInstructionPanel.width,
                      artwork::FleaInstructionPanel.height);
    IPic->setTransparent(true);
    // A click on the panel counts as one on the scene; the keyboard presses
    // the scene itself.
    IPic->setButton(false);
    connect(IPic, &PictureBox::clicked, this, guard(this, &TFleaMarket::ScreenClick));
    connect(IPic, &PictureBox::doubleClicked, this, guard(this, &TFleaMarket::ScreenClick));

    ILabel = platform::newLabel(Client, "ILabel", platform::sansFont(16), Qt::black, true);
    ILabel->setGeometry(384, 243, 281, 130);
    ILabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setLiveText(ILabel, [] {
        return tr("The next day at the flea market, you meet Sedora again, and she tells you a "
                  "Verunai legend.  She is ready to send you on a strange adventure, but first "
                  "you must do some shopping!");
    });
    ILabel->installEventFilter(this);

    IButton = platform::newButton(Client, "IButton", QString(), QRect(488, 360, 75, 25));
    words(IButton, QT_TRANSLATE_NOOP("TFleaMarket", "&Okay"));
    connect(IButton, &QPushButton::clicked, this, guard(this, &TFleaMarket::IButtonClick));
}

void TFleaMarket::createFrame()
{
    auto panel = [this](const char* name, const char* pictureName, PictureBox*& picture) {
        auto* p = new QWidget(Client);
        p->setObjectName(QString::fromLatin1(name));
        platform::fillBackground(p, QColor(192, 192, 192));
        picture = newPicture(p, pictureName, QT_TRANSLATE_NOOP("TFleaMarket", "Wooden frame"));
        return p;
    };
    LeftPanel = panel("LeftPanel", "LFTimage", LFTimage);
    RightPanel = panel("RightPanel", "RTimage", RTimage);
    Panel2 = panel("Panel2", "BOTimage", BOTimage);
}

void TFleaMarket::createBottomBar()
{
    Panel1 = new platform::BevelPanel(Panel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setBevels(platform::BevelPanel::Bevel::Lowered, platform::BevelPanel::Bevel::None, 1,
                      0);
    Panel1->setGeometry(112, 40, 640, 72);
    // Dark wood behind the yellow hint line, so that it reads well.
    Panel1->setColor(QColor(58, 34, 18));

    InvFM = new platform::BitBtn(QString(), Panel1);
    InvFM->setObjectName(QStringLiteral("InvFM"));
    words(InvFM, QT_TRANSLATE_NOOP("TFleaMarket", "Inventory"), TextRole::AccessibleName);
    words(InvFM, QT_TRANSLATE_NOOP("TFleaMarket", "Inventory"), TextRole::ToolTip);
    words(InvFM, QT_TRANSLATE_NOOP("TFleaMarket", "Shows what the party has."),
          TextRole::AccessibleDescription);
    InvFM->setGeometry(0, 0, 128, 72);
    InvFM->setGlyph(QPixmap::fromImage(
        media::bitmapPicture(QString::fromLatin1(artwork::FleaInventoryGlyph.name))));
    connect(InvFM, &QPushButton::clicked, this, guard(this, &TFleaMarket::InvFMClick));

    eagLabel = platform::newLabel(Panel1, "eagLabel", platform::serifFont(16, false, true),
                                  Qt::yellow, true);
    // Drawn 38 high for two lines; it grows downwards for a third.
    eagLabel->setGeometry(136, 4, 370, 64);
    eagLabel->setMinimumWidth(370);
    eagLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setLiveText(eagLabel, [] {
        return tr("The next day, you and your friends are shopping at the flea market.  You have "
                  "$50 to spend. ");
    });
    eagLabel->installEventFilter(this);

    eag = new platform::BitBtn(QString(), Panel1);
    eag->setObjectName(QStringLiteral("eag"));
    words(eag, QT_TRANSLATE_NOOP("TFleaMarket", "Eagle"), TextRole::AccessibleName);
    words(eag, QT_TRANSLATE_NOOP("TFleaMarket", "Eagle"), TextRole::ToolTip);
    words(eag, QT_TRANSLATE_NOOP("TFleaMarket", "Press for a hint."),
          TextRole::AccessibleDescription);
    eag->setGeometry(515, 0, 126, 72);
    connect(eag, &QPushButton::clicked, this, guard(this, &TFleaMarket::eagClick));
}

void TFleaMarket::FormCreate()
{
    placeMainScreen();
    MPTalk->Open();
    if (Game && !Game->Sound->isEnabled())
        Sound1->setEnabled(false);
}

void TFleaMarket::layOut()
{
    // The menu runs across the whole window; the market keeps to the
    // window's 4:3 stage below it, with black at the sides.
    const QRect stage = stageRect();
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, width(), menuHeight);
    Client->setGeometry(stage.x(), stage.y() + menuHeight, stage.width(),
                        stage.height() - menuHeight);

    // The layout is computed for the whole stage, menu included, and the
    // controls are placed on the area below the menu.
    layout = computeFleaLayout(stage.width(), stage.height());
    const FleaLayout& l = layout;

    Image1->setGeometry(l.Image1);
    // The frame keeps to the window's edges: the bottom panel runs across the
    // whole width, the side panels reach down to it.
    const int bottomTop = Client->height() - l.BottomPanelHeight;
    Panel2->setGeometry(0, bottomTop, Client->width(), l.BottomPanelHeight);
    LeftPanel->setGeometry(0, 0, l.SidePanelWidth, bottomTop);
    RightPanel->setGeometry(Client->width() - l.SidePanelWidth, 0, l.SidePanelWidth, bottomTop);
    LeftPanel->setVisible(l.SidePanelsShown);
    RightPanel->setVisible(l.SidePanelsShown);
    for (QWidget* panel : {LeftPanel, RightPanel, Panel2})
        panel->findChild<PictureBox*>()->setGeometry(panel->rect());
    Panel1->move(l.Panel1);

    IPic->move(l.IPic);
    ILabel->move(l.ILabel);
    IButton->move(l.IButton);
    Door2->setGeometry(l.Door2);
    Door1->setGeometry(l.Door1);
    South->setGeometry(l.South);
    West->setGeometry(l.West);
    East->setGeometry(l.East);

    if (laidOut_) {
        // The window changed size with the market in view: what the player
        // has reached stays as it was.
        fitInstructions();
        fitBottomBar();
        ScreenPos();
        loadWoodFrame();
    }
    laidOut_ = true;
}

void TFleaMarket::loadWoodFrame()
{
    // The wooden frame is drawn on screens taller than 600 pixels only.
    if (stageRect().height() <= 600 || woodLoaded_)
        return;
    woodLoaded_ = true;
    LoadPics(LFTimage, QStringLiteral("woodlft"));
    LoadPics(RTimage, QStringLiteral("woodrt"));
    LoadPics(BOTimage, QStringLiteral("woodbot"));
}

void TFleaMarket::FormShow()
{
    loadWoodFrame();
    LoadPics(South, QStringLiteral("gosouth"));
    // The glyph is a file beside the program: one that is missing is
    // reported, and the market is shown without it.
    platform::guarded([this] {
        const QString file = QString::fromLatin1(artwork::EagleGlyphFile);
        const QImage glyph(file);
        if (glyph.isNull())
            platform::raise(tr("The picture file \"%1\" is missing or damaged.").arg(file));
        eag->setGlyph(QPixmap::fromImage(glyph));
    });
    if (Store) {
        Store->LoadBackground(QString::fromLatin1(TStore::FleaMarketBackground));
        Store->setMoney(50);
    }
    LoadPics(Image1, QStringLiteral("fm02"));
}

void TFleaMarket::FormActivate()
{
    unsetCursor();
    announceArrival();
    if (!Game)
        return;
    // Once the market is up, a journey saved automatically is offered.
    if (!journeyOffered_) {
        journeyOffered_ = true;
        QTimer::singleShot(0, this, guard(this, &TFleaMarket::offerSavedJourney));
    }
    // Coming back from another program is not coming back from the store:
    // the music goes on as the player left it.
    if (!activatedFromAnotherProgram())
        Game->TestMusic();
    // Both Sound menus agree: a theme that cannot play switches both off.
    Sound1->setEnabled(Game->Sound->isEnabled());
}

void TFleaMarket::LoadPics(PictureBox* target, const QString& name)
{
    media::loadJpegInto(target, name);
}

bool TFleaMarket::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == ILabel)
            platform::guarded([this] { ScreenClick(); });
        else if (watched == eagLabel)
            platform::guarded([this] { eagLabelClick(); });
    }
    return Form::eventFilter(watched, event);
}
