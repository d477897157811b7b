#include "store.h"

#include "platform/errorreport.h"
#include "platform/fonts.h"

#include <QLabel>
#include <QPushButton>

TStore::TStore(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ym1(new QLabel(this)),
      Cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("Store"));
    setWindowTitle(QStringLiteral("Purchase Items"));
    setFixedSize(640, 456);
    setFont(platform::sansFont(13));
    ym1->setObjectName(QStringLiteral("ym1"));
    ym1->setText(QStringLiteral("50"));
    ym1->setGeometry(82 + 168, 64 + 303, 60, 17);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setFont(platform::sansFont(16));
    Cancel->setGeometry(348, 405, 97, 33);
    connect(Cancel, &QPushButton::clicked, this, platform::guard(this, &TStore::CancelClick));
}

void TStore::CancelClick()
{
    close();
}
