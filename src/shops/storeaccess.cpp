// The store for players who use the keyboard or a screen reader: the order
// Tab takes, the rows' controls named by their items (and renamed when the
// page turns), what each row holds, and which page is shown.

#include "platform/announce.h"
#include "platform/bitbtn.h"
#include "platform/keyboardbutton.h"
#include "platform/translatedtext.h"
#include "platform/updown.h"
#include "shops/goodsnames.h"
#include "store.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TStore::setUpAccess()
{
    // After the rows: the paging, then the purchase.
    setTabOrder(u[Rows - 1], Back);
    setTabOrder(Back, Forward);
    setTabOrder(Forward, Purchase);
    setTabOrder(Purchase, Cancel);
    platform::keyboardButton(Cancel);
    platform::keyboardButton(Okay);
    platform::setTranslatedText(
        Purchase, "TStore",
        QT_TRANSLATE_NOOP("TStore", "Buys everything chosen on all three pages."),
        platform::TextRole::AccessibleDescription);
}

void TStore::nameRow(int row)
{
    // "wolf paintings", "lbs of flour"
    const int shown = rowItem_[static_cast<std::size_t>(row)];
    const QString items = shown < 0 ? item[row]->text() : goods::shownItemName(shown, 2);
    e[row]->setAccessibleName(tr("How many %1 to buy").arg(items));
    u[row]->setAccessibleName(tr("More or fewer %1").arg(items));
    describeRow(row);
}

void TStore::describeRow(int row)
{
    const QString description = tr("You have %1.  %2 each.  This row costs %3.")
                                    .arg(y[row]->text(), uc[row]->text(), c[row]->text());
    if (e[row]->accessibleDescription() != description) {
        e[row]->setAccessibleDescription(description);
        u[row]->setAccessibleDescription(description);
    }
}

void TStore::announcePage()
{
    const int page = visit.PageStart / Rows + 1;
    constexpr int Pages = ListLength / Rows;
    platform::announce(
        this, tr("Page %1 of %2, from %3.")
                  .arg(page)
                  .arg(Pages)
                  .arg(rowItem_[0] < 0 ? item[0]->text() : goods::shownItemName(rowItem_[0], 2)));
}

void TStore::languageChanged()
{
    // Its title is painted in the background.
    if (!background_.isEmpty())
        LoadBackground(background_);
    fitTotalsLabels();
    // The rows' names and descriptions, in the new language.
    for (int row = 0; row < Rows; ++row) {
        if (rowItem_[static_cast<std::size_t>(row)] < 0)
            continue;
        item[row]->setText(goods::shownItemName(rowItem_[static_cast<std::size_t>(row)], 1));
        nameRow(row);
    }
}
