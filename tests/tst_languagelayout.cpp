// The game's words fit where they stand in every language, at the screens'
// 1024 x 768: each label shows all of its lines, each button all of its
// words, and the trail's instruction panel holds both of its lines, for
// every town's spirit, good and praise. Spanish and French run longer than
// English; a translation that does not fit is named here with its place.

#include "errorcapture.h"
#include "fakemedia.h"
#include "journal/classoverview.h"
#include "journal/journal.h"
#include "journal/journalview.h"
#include "marketscreens.h"
#include "platform/picturebox.h"
#include "presentation/about.h"
#include "presentation/intro.h"
#include "shell/chapters.h"
#include "shell/gamefacts.h"
#include "shell/gamestate.h"
#include "shell/language.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace {

void putInPlace(const QString& code)
{
    QVERIFY(language::install(code));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// Every visible label and button of the window whose words do not fit it,
// with the window's moment ("market step 3") and the words.
QStringList cutOff(QWidget& window, const QString& moment)
{
    QStringList problems;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) ||
            control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
            if (text.trimmed().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QRect room = label->contentsRect();
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : metrics.horizontalAdvance(text) <= room.width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
            if (text.isEmpty() || !button->icon().isNull())
                continue;
            QString shown = text;
            shown.remove(QLatin1Char('&'));
            // A push button's frame takes a few pixels on each side.
            fits = metrics.horizontalAdvance(shown) + 4 <= button->width();
        } else {
            continue;
        }
        if (!fits)
            problems << moment + QStringLiteral(" / ") + control->objectName() +
                            QStringLiteral(": ") + text;
    }
    return problems;
}

} // namespace

class LanguageLayoutTest : public QObject {
    Q_OBJECT

    FakeMedia media;

    // The trail's instruction panel: the second line ends above the
    // panel's ornament, 205 pixels below its top.
    static QStringList panelOverflows(TGame& game, const QString& moment)
    {
        QStringList problems = cutOff(game, moment);
        const int firstEnds = game.IL1->y() + game.IL1->heightForWidth(game.IL1->width());
        if (game.IL1->isVisibleTo(&game) && firstEnds > game.IPic->y() + 205)
            problems << moment + QStringLiteral(" / the panel's first line runs off: ") +
                            game.IL1->text();
        if (game.IL2->isVisibleTo(&game)) {
            const int ends = game.IL2->y() + game.IL2->heightForWidth(game.IL2->width());
            if (ends > game.IPic->y() + 205)
                problems << moment + QStringLiteral(" / the panel's second line runs off: ") +
                                game.IL2->text();
        }
        return problems;
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR));
        qputenv("KELVARIN_SCREEN", "1024x768");
    }
    void cleanup() { putInPlace(QStringLiteral("en")); }

    void everyWordFitsInEachLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("French") << QStringLiteral("fr");
    }

    void everyWordFitsInEachLanguage()
    {
        QFETCH(QString, code);
        ErrorCapture errors;
        putInPlace(code);
        QStringList problems;

        TIntro intro;
        problems << cutOff(intro, QStringLiteral("intro"));

        for (int tag : {TAbout1::AboutBox, TAbout1::QuitQuestion, TAbout1::RestartQuestion}) {
            TAbout1 box;
            box.Tag = tag;
            box.FormActivate();
            problems << cutOff(box, QStringLiteral("about box %1").arg(tag));
        }

        resetGameState();
        goods::resetPossessions();
        MarketScreens screens;
        TFleaMarket& market = *screens.market;
        market.show();
        problems << cutOff(market, QStringLiteral("market arrival"));
        market.IButtonClick();
        market.T1Timer();
        problems << cutOff(market, QStringLiteral("market door"));
        market.Door2Click();
        market.T1Timer();
        problems << cutOff(market, QStringLiteral("market shop"));
        for (int hint = 0; hint <= 5; ++hint) {
            market.eagClick();
            problems << cutOff(market, QStringLiteral("market eagle %1").arg(market.eagLabelTag));
        }
        for (int step : {4, 5, 7}) {
            market.T1Tag = step;
            market.T1Timer();
            problems << cutOff(market, QStringLiteral("market step %1").arg(step));
        }

        TStore& store = *screens.store;
        store.LoadBackground(QString::fromLatin1(TStore::FleaMarketBackground));
        store.Tag = 22;
        store.show();
        for (int page = 0; page < 3; ++page) {
            problems << cutOff(store, QStringLiteral("store page %1").arg(page + 1));
            store.ForwardClick();
        }
        store.hide();

        // The trail: each town's prompts, with its spirit and its good.
        TGame& game = *screens.game;
        game.show();
        GameState& s = gameState();
        for (int town = FirstSpiritTown; town <= TownCount; ++town) {
            s.Town = town;
            s.FishingMode = town == 2 ? 1 : 0;
            game.Shows(2);
            problems << panelOverflows(game, QStringLiteral("town %1 look").arg(town));
            goods::possessions().TradeDone.at(static_cast<std::size_t>(town - 2)) = 0;
            game.Shows(3);
            problems << panelOverflows(game, QStringLiteral("town %1 trade").arg(town));
            s.TradeOffer = town - 2;
            game.Shows(4);
            problems << panelOverflows(game, QStringLiteral("town %1 praise").arg(town));
            s.SuppliesTold = 0;
            s.TravelOnTold = 0;
            game.Shows(7);
            problems << panelOverflows(game, QStringLiteral("town %1 supplies").arg(town));
        }
        game.Shows(1);
        problems << panelOverflows(game, QStringLiteral("welcome"));
        game.Shows(8);
        problems << panelOverflows(game, QStringLiteral("post door"));
        game.Shows(9);
        problems << panelOverflows(game, QStringLiteral("post counter"));
        game.hide();
        market.hide();

        // The journal, every page of a part's end with its questions, and
        // the teachers' list of journeys with a damaged one.
        Journal journal;
        for (int town = 1; town <= chapter(1).lastTown; ++town) {
            journal.arrived(town);
            if (town > 1)
                journal.metSpirit(town);
        }
        QVERIFY(journal.endedChapter(1));
        TJournal view(journal, JournalCover{{QStringLiteral("Avrel")}, 12, {}});
        view.show();
        auto* forward = view.findChild<QAbstractButton*>(QStringLiteral("Forward"));
        for (int page = 1; forward->isEnabled() && page < 40; ++page) {
            problems << cutOff(view, QStringLiteral("journal page %1").arg(page));
            forward->click();
        }
        problems << cutOff(view, QStringLiteral("journal's last page"));
        view.hide();
        journey::Listing listing;
        listing.party = QStringLiteral("Room 12, table 3");
        listing.town = 9;
        listing.townName = QStringLiteral("Orrin Birches");
        listing.chapter = 2;
        listing.saved = QDateTime(QDate(2026, 11, 24), QTime(15, 40));
        journey::Listing damaged;
        damaged.damaged = true;
        damaged.problem = QStringLiteral("the file is empty");
        journey::ClassOverview overview({listing, damaged});
        overview.show();
        problems << cutOff(overview, QStringLiteral("journeys on this computer"));
        overview.hide();

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(LanguageLayoutTest)
#include "tst_languagelayout.moc"
