#include "volumedialog.h"

#include "media/audiovolume.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace media {

VolumeDialog::VolumeDialog(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      slider_(new QSlider(Qt::Horizontal, this)), value_(new QLabel(this)),
      okay_(new QPushButton(tr("&Okay"), this))
{
    setObjectName(QStringLiteral("Volume"));
    setWindowTitle(tr("Volume"));
    setFont(platform::sansFont(13));

    auto* title = new QLabel(tr("&Volume of music, voices and sounds:"), this);
    title->setBuddy(slider_);
    slider_->setObjectName(QStringLiteral("VolumeSlider"));
    slider_->setAccessibleName(tr("Volume"));
    slider_->setRange(0, 100);
    slider_->setPageStep(10);
    slider_->setMinimumWidth(240);
    slider_->setValue(AudioVolume::instance().percent());
    value_->setMinimumWidth(40);
    slider_->setAccessibleDescription(
        tr("Left and right arrows change it a little, Page Up and Page Down a lot."));
    showPercent(slider_->value());

    auto* row = new QHBoxLayout;
    row->addWidget(slider_);
    row->addWidget(value_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(row);
    layout->addWidget(okay_, 0, Qt::AlignRight);

    // The volume follows the slider at once, so the player hears the change.
    connect(slider_, &QSlider::valueChanged, this, [this](int percent) {
        AudioVolume::instance().setPercent(percent);
        showPercent(percent);
    });
    connect(okay_, &QPushButton::clicked, this, &VolumeDialog::close);
    okay_->setDefault(true);
    platform::keyboardButton(okay_);
    slider_->setFocus();
}

void VolumeDialog::showPercent(int percent)
{
    value_->setText(QStringLiteral("%1 %").arg(percent));
}

void showVolumeControl()
{
    VolumeDialog dialog;
    dialog.adjustSize();
    dialog.placeCentred();
    dialog.ShowModal();
}

} // namespace media
