#include "about.h"

#include "media/artworknames.h"
#include "media/pictures.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"
#include "platform/picturebox.h"
#include "presentation/storytexts.h"
#include "shell/screens.h"

#include <QLabel>
#include <QPushButton>

using platform::guard;

TAbout1::TAbout1(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::FramelessWindowHint), Panel1(new platform::BevelPanel(this)),
      Label1(new QLabel(Panel1)), Okay1(new QPushButton(Panel1)), No1(new QPushButton(Panel1))
{
    setObjectName(QStringLiteral("About1"));
    setFixedSize(297, 246);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 297, 246);
    Panel1->setBevels(platform::BevelPanel::Bevel::Lowered, platform::BevelPanel::Bevel::Space, 4,
                      2);
    Panel1->setSingleBorderLine(true);
    Panel1->setColor(QColor(208, 206, 204));
    Panel1->setFont(platform::sansFont(24, true));
    Panel1->setCaption(QStringLiteral("Kelvarin"));

    // The game's emblem above its name.
    auto* emblem = new platform::PictureBox(Panel1);
    emblem->setObjectName(QStringLiteral("Emblem"));
    emblem->setGeometry(104, 14, 88, 88);
    platform::guarded([emblem] {
        emblem->setPicture(media::bitmapPicture(QString::fromLatin1(artwork::GameIcon.name)));
    });

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(54, 144, 225, 47);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(platform::sansFont(13));
    Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

    for (QPushButton* button : {Okay1, No1}) {
        button->setFont(platform::sansFont(13));
        button->setAutoDefault(true);
    }
    Okay1->setObjectName(QStringLiteral("Okay1"));
    Okay1->setGeometry(32, 200, 105, 25);
    No1->setObjectName(QStringLiteral("No1"));
    No1->setGeometry(160, 200, 105, 25);

    platform::keyboardButton(Okay1);
    platform::keyboardButton(No1);
    connect(Okay1, &QPushButton::clicked, this, guard(this, &TAbout1::Okay1Click));
    connect(No1, &QPushButton::clicked, this, guard(this, &TAbout1::No1Click));
    setTabOrder(Okay1, No1);
    putTexts();
}

QString TAbout1::creditLine()
{
    return story::creditLine();
}

int TAbout1::Ask(int tag)
{
    TAbout1 box;
    About1 = &box;
    box.Tag = tag;
    box.placeCentred();
    box.ShowModal();
    About1 = nullptr;
    return box.Tag;
}

void TAbout1::FormShow()
{
    // Filled before the box appears as well, so it never shows stale texts.
    FormActivate();
    // "Yes" has the focus when the box opens, and only then: a box activated
    // again keeps the focus where the player moved it.
    Okay1->setDefault(true);
    Okay1->setFocus();
}

void TAbout1::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    // The reader says the window's title and its focused button as the box
    // comes up; the question itself is said once it is there.
    QMetaObject::invokeMethod(
        this, [this] { platform::announce(Label1, Label1->text()); }, Qt::QueuedConnection);
}

void TAbout1::putTexts()
{
    setWindowTitle(tr("About Kelvarin"));
    if (auto* emblem = Panel1->findChild<QWidget*>(QStringLiteral("Emblem")))
        emblem->setAccessibleName(tr("Kelvarin emblem"));
    No1->setText(tr("&No, don't quit"));
    if (Tag == AboutBox) {
        Label1->setText(creditLine());
        Okay1->setText(tr("&Okay"));
    } else {
        Label1->setText(Tag == RestartQuestion ? tr("Are you sure you want to restart the game?")
                                               : tr("Are you sure you want to Quit?"));
        Okay1->setText(tr("&Yes"));
    }
}

void TAbout1::languageChanged()
{
    putTexts();
}

void TAbout1::FormActivate()
{
    putTexts();
    No1->setVisible(Tag != AboutBox);
    Okay1->move(Tag == AboutBox ? 100 : 32, Okay1->y());
}

void TAbout1::Okay1Click()
{
    Tag = 0;
    close();
}

void TAbout1::No1Click()
{
    close();
}
