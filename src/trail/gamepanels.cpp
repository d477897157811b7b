// The trail screen's panels and hidden controls: the instruction panel, the
// story caption, the snakebite choice, the map, the party, the trade panel,
// the fishing controls and the closing labels.

#include "activities/fishingouting.h"
#include "game.h"
#include "platform/bevelpanel.h"
#include "platform/captionsize.h"
#include "platform/contrast.h"
#include "platform/controls.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "shell/savedgame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using platform::BevelPanel;
using platform::guard;
using platform::newButton;
using platform::newLabel;
using platform::PictureBox;
using platform::sansFont;
using platform::TextRole;

namespace {

BevelPanel* newPanel(QWidget* parent, const char* name, QSize size)
{
    auto* panel = new BevelPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->resize(size);
    panel->setBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 1, 0);
    panel->hide();
    return panel;
}

// The trail screen's fixed words, in the language in view.
void words(QObject* object, const char* source, TextRole role = TextRole::Shown)
{
    platform::setTranslatedText(object, "TGame", source, role);
}

PictureBox* newPicture(QWidget* parent, const char* name, const char* accessibleName)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(QString::fromLatin1(name));
    words(picture, accessibleName, TextRole::AccessibleName);
    return picture;
}

} // namespace

void TGame::createInstructionPanel()
{
    IPic = newPicture(Client, "IPic", QT_TRANSLATE_NOOP("TGame", "Instructions"));
    IPic->resize(318, 260);
    IPic->setTransparent(true);
    IPic->setButton(false); // its click repeats the scene's, which the keyboard reaches
    IPic->hide();
    IL1 = newLabel(Client, "IL1", sansFont(16), palette().color(QPalette::WindowText), true);
    IL1->resize(280, FirstLineHeight);
    IL1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setLiveText(IL1, &TGame::welcomeFirstLine);
    IL1->hide();
    IL2 = newLabel(Client, "IL2", sansFont(16), palette().color(QPalette::WindowText), true);
    IL2->resize(280, SecondLineHeight);
    IL2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setLiveText(IL2, &TGame::welcomeSecondLine);
    IL2->hide();
    connect(IPic, &PictureBox::clicked, this, guard(this, &TGame::IPicClick));
    connect(IPic, &PictureBox::doubleClicked, this, guard(this, &TGame::IPicClick));
    // The labels lie on the panel: a click on them is a click on the panel.
    for (QLabel* label : {IL1, IL2})
        label->installEventFilter(this);
}

void TGame::createStoryAndHazard()
{
    // A lighter teal than the design's, so that the words read well on black.
    Caption = newLabel(Client, "Caption", sansFont(13, true), platform::storyCaptionTeal(), true);
    platform::setLabelColors(Caption, platform::storyCaptionTeal(), Qt::black);
    Caption->setMinimumWidth(600);
    Caption->setMaximumWidth(750);
    Caption->setMargin(4);
    // The story stays over the scene after the voice: clicks on its words
    // reach the scene below them.
    Caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    Caption->hide();

    Dlabel = newLabel(Client, "Dlabel", sansFont(32, true), Qt::white, true);
    Dlabel->setAlignment(Qt::AlignCenter);
    Dlabel->resize(353, 81);
    Dlabel->hide();

    // The group's title is a label of its own, a little in from the edge
    // (the group box would draw it flush against the left edge).
    Dchoice = new QGroupBox(Client);
    Dchoice->setObjectName(QStringLiteral("Dchoice"));
    words(Dchoice, QT_TRANSLATE_NOOP("TGame", "What will you do?"), TextRole::AccessibleName);
    Dchoice->setFont(sansFont(16));
    Dchoice->setAutoFillBackground(true);
    // Black text on silver; a treatment that cannot be chosen stays grey.
    QPalette silver = Dchoice->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        silver.setColor(group, QPalette::WindowText, Qt::black);
        silver.setColor(group, QPalette::ButtonText, Qt::black);
    }
    silver.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    silver.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    Dchoice->setPalette(silver);
    Dchoice->resize(600, 133);
    Dchoice->hide();
    auto choice = [this](const char* name, int top) {
        auto* button = new QRadioButton(Dchoice);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(16, top, 600, 24);
        return button;
    };
    DchoiceTitle = new QLabel(Dchoice);
    words(DchoiceTitle, QT_TRANSLATE_NOOP("TGame", "What will you do?"));
    DchoiceTitle->setObjectName(QStringLiteral("DchoiceTitle"));
    DchoiceTitle->setGeometry(12, 2, 300, 22);
    DC1 = choice("DC1", 24);
    DC2 = choice("DC2", 50);
    DC3 = choice("DC3", 76);
    // Their words are set again by the snakebite; a screen reader finds
    // them named from the start.
    // The journal keeps the choice in these English words (englishText).
    words(DC1, QT_TRANSLATE_NOOP("TGame", "Clean the wound thoroughly."));
    words(DC2, QT_TRANSLATE_NOOP("TGame", "Clean wound, and give the patient snakeroot tea."));
    words(DC3, QT_TRANSLATE_NOOP("TGame", "Clean the wound, and apply lobelia and agrimony. "));
    DC2->setEnabled(false);
    DC3->setEnabled(false);
    DOK1 = newButton(Dchoice, "DOK1", QString(), QRect(504, 48, 75, 25));
    words(DOK1, QT_TRANSLATE_NOOP("TGame", "&OK"));
    // A choice made by any means opens OK: a click (on a choice already
    // checked too), the keys, or a screen reader's toggle action, which
    // checks the button without a click.
    connect(DC1, &QRadioButton::clicked, this, guard(this, &TGame::DC1Click));
    connect(DC2, &QRadioButton::clicked, this, guard(this, &TGame::DC2Click));
    connect(DC3, &QRadioButton::clicked, this, guard(this, &TGame::DC2Click));
    for (QRadioButton* option : {DC1, DC2, DC3})
        connect(option, &QRadioButton::toggled, this, [this, option](bool checked) {
            if (checked)
                platform::guarded([&] { option == DC1 ? DC1Click() : DC2Click(); });
        });
    connect(DOK1, &QPushButton::clicked, this, guard(this, &TGame::DOK1Click));
}

void TGame::createMapPanel()
{
    Map = newPanel(Client, "Map", QSize(628, 370));
    Map->setBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 1, 2);
    Label3 = platform::newTitleStrip(Map, "Label3", QString());
    words(Label3, QT_TRANSLATE_NOOP("TGame", "Your Journey"));
    totmap = newPicture(Map, "totmap", QT_TRANSLATE_NOOP("TGame", "Map of the journey"));
    totmap->setStretch(false);
    totmap->setAutoSize(true);
    totmap->setGeometry(4, 20, 620, 345);
    Close1 = newButton(Map, "Close1", QString(), QRect(272, 330, 75, 25));
    words(Close1, QT_TRANSLATE_NOOP("TGame", "Close"));
    connect(Close1, &QPushButton::clicked, this, guard(this, &TGame::Close1Click));
}

void TGame::createPartyPanel()
{
    PartyPanel = newPanel(Client, "PartyPanel", QSize(300, 425));
    Image2 = newPicture(PartyPanel, "Image2", QT_TRANSLATE_NOOP("TGame", "Your party"));
    Image2->setGeometry(PartyPanel->rect());
    Label2 = platform::newTitleStrip(PartyPanel, "Label2", QString());
    words(Label2, QT_TRANSLATE_NOOP("TGame", "Choose Your Party"));

    static const char* const defaults[7] = {"Avrel", "Tobin",  "Meline", "Dastan",
                                            "Corra", "Jessup", "Rowan"};
    // One row for each traveller, evenly spaced; a row holds a name box, or
    // the sentence on that traveller's condition in two lines at most.
    constexpr int FirstRow = 32;
    constexpr int RowHeight = 38;
    for (int i = 0; i < 7; ++i) {
        N[i] = new QLineEdit(QString::fromLatin1(defaults[i]), PartyPanel);
        N[i]->setObjectName(QStringLiteral("N%1").arg(i + 1));
        N[i]->setAccessibleName(tr("Name of traveller %1").arg(i + 1));
        N[i]->setFont(sansFont(13));
        N[i]->setMaxLength(savedgame::MaxNameLength);
        N[i]->setGeometry(50, FirstRow + RowHeight * i, 200, 20);

        P[i] = newLabel(PartyPanel, "", sansFont(13, true), Qt::white, true);
        P[i]->setObjectName(QStringLiteral("P%1").arg(i + 1));
        P[i]->setGeometry(30, FirstRow + RowHeight * i, 260, RowHeight - 2);
        P[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        P[i]->hide();
    }
    Okay1 = newButton(PartyPanel, "Okay1", QString(), QRect(126, 308, 75, 25));
    words(Okay1, QT_TRANSLATE_NOOP("TGame", "&Okay"));
    connect(Okay1, &QPushButton::clicked, this, guard(this, &TGame::Okay1Click));
    connect(PartyPanel, &BevelPanel::clicked, this, guard(this, &TGame::PartyPanelClick));
    connect(Image2, &PictureBox::clicked, this, guard(this, &TGame::PartyPanelClick));
}

void TGame::createTradePanel()
{
    // Below its buttons, the spirit's story can be heard again (storyagain.cpp).
    TradePanel = newPanel(Client, "TradePanel", QSize(297, 325));
    TradePanel->setColor(Qt::black);
    TradePanel->setBevels(BevelPanel::Bevel::Lowered, BevelPanel::Bevel::None, 1, 0);
    TradeLabel = newLabel(TradePanel, "TradeLabel", sansFont(24), QColor(0, 255, 255));
    TradeLabel->setGeometry(32, 8, 251, 73);
    words(TradeLabel, QT_TRANSLATE_NOOP("TGame", "Make a trade?"));
    Label5 = newLabel(TradePanel, "Label5", sansFont(16, true), Qt::yellow, true);
    Label5->setGeometry(24, 72, 241, 113);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // What the last trade of a trifle brought, above the buttons.
    Received = newLabel(TradePanel, "Received", sansFont(13, true), QColor(144, 238, 144));
    Received->setGeometry(24, 188, 260, 26);
    Received->hide();
    Button1 = newButton(TradePanel, "Button1", QString(), QRect(16, 220, 137, 25));
    words(Button1, QT_TRANSLATE_NOOP("TGame", "Yes, I'll trade."));
    Button2 = newButton(TradePanel, "Button2", QString(), QRect(8, 252, 145, 25));
    words(Button2, QT_TRANSLATE_NOOP("TGame", "Any more offers?"));
    Button3 = newButton(TradePanel, "Button3", QString(), QRect(160, 224, 120, 49));
    words(Button3, QT_TRANSLATE_NOOP("TGame", "No deals."));
    Button3->setFont(sansFont(11, true));
    connect(Button1, &QPushButton::clicked, this, guard(this, &TGame::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guard(this, &TGame::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guard(this, &TGame::Button3Click));
}

void TGame::createFishing()
{
    LakePic = newPicture(Client, "LakePic", QT_TRANSLATE_NOOP("TGame", "Lake mask"));
    LakePic->hide();
    fishies = newPicture(Client, "fishies", QT_TRANSLATE_NOOP("TGame", "Ripples"));
    fishies->hide();
    FishCaught = newPicture(Client, "FishCaught", QT_TRANSLATE_NOOP("TGame", "Fish caught"));
    FishCaught->setStretch(false);
    FishCaught->setTransparent(true);
    FishCaught->setAttribute(Qt::WA_TransparentForMouseEvents);
    FishCaught->resize(75, 800);
    Rod = newPicture(Client, "Rod", QT_TRANSLATE_NOOP("TGame", "Fishing rod"));
    Rod->setStretch(false);
    Rod->setAutoSize(true);
    Rod->setTransparent(true);
    Rod->hide();
    Bobber = newPicture(Client, "Bobber", QT_TRANSLATE_NOOP("TGame", "Float"));
    Bobber->resize(10, 10);
    Bobber->setTransparent(true);
    Bobber->hide();
    // Its name must not give the good spot away; the keyboard fishes with its
    // own aim, so the spot is no button for it.
    hotspot = newPicture(Client, "hotspot", QT_TRANSLATE_NOOP("TGame", "Ripples on the water"));
    hotspot->resize(80, 50);
    hotspot->setCursor(Qt::CrossCursor);
    hotspot->setTransparent(true);
    hotspot->hide();

    Hints = newLabel(Client, "Hints", sansFont(16), Qt::yellow, true);
    Hints->setAlignment(Qt::AlignCenter);
    Hints->resize(470, 40);
    Hints->hide();
    Hints->installEventFilter(this);

    FishPanel = newPanel(Client, "FishPanel", QSize(465, 329));
    FishPic = newPicture(FishPanel, "FishPic", QT_TRANSLATE_NOOP("TGame", "The fish you caught"));
    FishPic->setGeometry(FishPanel->rect());
    FishLabel = platform::newTitleStrip(FishPanel, "FishLabel", QString());
    words(FishLabel, QT_TRANSLATE_NOOP("TGame", "You caught a fish!"));
    FishLabel->setFont(sansFont(16, true));
    FishLabel->setGeometry(0, 0, FishPanel->width(), 22);
    wtLabel = newLabel(FishPanel, "wtLabel", sansFont(16, true), Qt::red);
    wtLabel->setGeometry(20, 304, 300, 20);
    OkayFish = newButton(FishPanel, "OkayFish", QString(), QRect(352, 264, 75, 25));
    words(OkayFish, QT_TRANSLATE_NOOP("TGame", "&Okay"));
    connect(OkayFish, &QPushButton::clicked, this, guard(this, &TGame::OkayFishClick));
    connect(Rod, &PictureBox::clicked, this,
            [this] { platform::guarded([&] { fishing->RodClick(); }); });
    connect(hotspot, &PictureBox::mousePressed, this, [this](int x, int y, Qt::MouseButton) {
        platform::guarded([&] { fishing->hotspotMouseDown(x, y); });
    });
}

void TGame::createEnding()
{
    EndLabel = newLabel(Client, "EndLabel", sansFont(19), Qt::white, true);
    EndLabel->resize(743, 145);
    EndLabel->hide();
    EndLabel2 = newLabel(Client, "EndLabel2", sansFont(19), Qt::white, true);
    EndLabel2->resize(800, 190);
    EndLabel2->hide();
    Yes1 = newButton(Client, "Yes1", QString(), QRect(0, 0, 113, 33));
    words(Yes1, QT_TRANSLATE_NOOP("TGame", "Please go on."));
    Yes1->hide();
    No1 = newButton(Client, "No1", QString(), QRect(0, 0, 113, 33));
    words(No1, QT_TRANSLATE_NOOP("TGame", "Next Story"));
    No1->hide();
    connect(Yes1, &QPushButton::clicked, this, guard(this, &TGame::Yes1Click));
    connect(No1, &QPushButton::clicked, this, guard(this, &TGame::No1Click));
    TravelledMap = newPicture(Client, "TravelledMap",
                              QT_TRANSLATE_NOOP("TGame", "The way your party travelled"));
    TravelledMap->hide();
    TravelAgain = newButton(Client, "TravelAgain", QString(), QRect(0, 0, 130, 33));
    words(TravelAgain, QT_TRANSLATE_NOOP("TGame", "Travel Again"));
    TravelAgain->hide();
    QuitGame = newButton(Client, "QuitGame", QString(), QRect(0, 0, 130, 33));
    words(QuitGame, QT_TRANSLATE_NOOP("TGame", "Leave the Game"));
    QuitGame->hide();
    connect(TravelAgain, &QPushButton::clicked, this, guard(this, &TGame::NewGame1Click));
    connect(QuitGame, &QPushButton::clicked, this, guard(this, &TGame::Exit1Click));
    town = newLabel(Client, "town", sansFont(32), QColor(0, 255, 255));
    town->setAlignment(Qt::AlignCenter);
    town->resize(864, 40);
    town->hide();
}

void TGame::makeButtonsKeyboardFriendly()
{
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             Visit, Look, Continue, Exit1, BtnMap, BtnParty, BtnInv, DOK1, Close1, Okay1, Button1,
             Button2, Button3, HearAgain, OkayFish, Yes1, No1, TravelAgain, QuitGame})
        platform::keyboardButton(button);
    hotspot->setButton(false);
    // The story and Sedora's words follow the caption size the player chose.
    platform::followCaptionSize(Caption);
}
