// The store for players who use the keyboard or a screen reader: the order
// Tab takes, the rows' controls named by their items (and renamed when the
// page turns), what each row holds, and which page is shown.

#include "platform/announce.h"
#include "platform/bitbtn.h"
#include "platform/keyboardbutton.h"
#include "platform/updown.h"
#include "shops/plural.h"
#include "store.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// "wolf painting" -> "wolf paintings", "lb of flour" -> "lbs of flour".
QString pluralName(const QString& name)
{
    return goods::Plural(QStringLiteral("2 ") + name).mid(2);
}

} // namespace

void TStore::setUpAccess()
{
    // After the rows: the paging, then the purchase.
    setTabOrder(u[Rows - 1], Back);
    setTabOrder(Back, Forward);
    setTabOrder(Forward, Purchase);
    setTabOrder(Purchase, Cancel);
    platform::keyboardButton(Cancel);
    platform::keyboardButton(Okay);
    Purchase->setAccessibleDescription(
        QStringLiteral("Buys everything chosen on all three pages."));
}

void TStore::nameRow(int row)
{
    const QString items = pluralName(item[row]->text());
    e[row]->setAccessibleName(QStringLiteral("How many %1 to buy").arg(items));
    u[row]->setAccessibleName(QStringLiteral("More or fewer %1").arg(items));
    describeRow(row);
}

void TStore::describeRow(int row)
{
    const QString description = QStringLiteral("You have %1.  %2 each.  This row costs %3.")
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
    platform::announce(this, QStringLiteral("Page %1 of %2, from %3.")
                                 .arg(page)
                                 .arg(Pages)
                                 .arg(pluralName(item[0]->text())));
}
