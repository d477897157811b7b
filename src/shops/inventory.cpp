#include "inventory.h"

#include "platform/background.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"

#include <QPushButton>

TInventory::TInventory(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      Close1(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("Inventory"));
    setWindowTitle(QStringLiteral("Inventory"));
    setFixedSize(355, 453);
    platform::fillBackground(this, QColor(102, 52, 31));
    setFont(platform::sansFont(13));
    Close1->setObjectName(QStringLiteral("Close1"));
    Close1->setGeometry(144, 397 + 16, 75, 25);
    connect(Close1, &QPushButton::clicked, this, platform::guard(this, &TInventory::Close1Click));
}

void TInventory::Close1Click()
{
    close();
}
