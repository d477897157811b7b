// The game's languages: a language is spoken only once its translation is
// complete, the words change at once on the screen in view when another is
// put in place, English comes back exactly as written, and Qt's own words
// (its standard dialogs' buttons) come along.

#include "activities/hunting.h"
#include "activities/wellbeing.h"
#include "errorcapture.h"
#include "fakemedia.h"
#include "journal/classoverview.h"
#include "journal/journal.h"
#include "journal/journalview.h"
#include "journal/journeylist.h"
#include "marketscreens.h"
#include "media/helpwindow.h"
#include "platform/picturebox.h"
#include "presentation/about.h"
#include "presentation/intro.h"
#include "presentation/storytexts.h"
#include "shell/gamefacts.h"
#include "shell/gamestate.h"
#include "shell/language.h"
#include "shops/catalogue.h"
#include "shops/fleamarket.h"
#include "shops/goodsnames.h"
#include "shops/inventory.h"
#include "shops/plural.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <functional>

namespace {

// Every text of a screen's menus, by the item's name.
QMap<QString, QString> menuTexts(QWidget& screen)
{
    QMap<QString, QString> texts;
    for (QMenu* menu : screen.findChildren<QMenu*>())
        if (!menu->objectName().isEmpty())
            texts[menu->objectName()] = menu->title();
    for (QAction* item : screen.findChildren<QAction*>())
        if (!item->objectName().isEmpty() && !item->isSeparator())
            texts[item->objectName()] = item->text();
    return texts;
}

// Every word a player sees or hears of a window and its controls: what
// each shows, its name and description for screen readers, its tooltip,
// by the control's name. Figures and signs alone ("$0", "50") are left out.
QMap<QString, QString> screenTexts(QWidget& window)
{
    QMap<QString, QString> texts;
    const auto keep = [&texts](const QString& key, const QString& text) {
        static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
        if (text.contains(word))
            texts[key] = text;
    };
    keep(QStringLiteral("window/title"), window.windowTitle());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        if (auto* label = qobject_cast<QLabel*>(control))
            keep(name + QStringLiteral("/text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            keep(name + QStringLiteral("/text"), button->text());
        keep(name + QStringLiteral("/name"), control->accessibleName());
        keep(name + QStringLiteral("/description"), control->accessibleDescription());
        keep(name + QStringLiteral("/tip"), control->toolTip());
    }
    return texts;
}

void putInPlace(const QString& code)
{
    QVERIFY(language::install(code));
    // The windows hear of the change from the event loop.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// The texts that stay as the English has them in Spanish or in French (or
// go), by language and place, but for those the same on purpose.
QStringList notTranslated(const QMap<QString, QString>& english,
                          const std::function<QMap<QString, QString>()>& shownNow,
                          const QStringList& same)
{
    QStringList untranslated;
    for (const QString& code : {QStringLiteral("es"), QStringLiteral("fr")}) {
        putInPlace(code);
        const QMap<QString, QString> translated = shownNow();
        for (auto text = english.begin(); text != english.end(); ++text) {
            const QString shown = translated.value(text.key());
            if (!same.contains(text.key()) && (shown == text.value() || shown.isEmpty()))
                untranslated << code + QLatin1Char(' ') + text.key() + QStringLiteral(": ") +
                                    text.value();
        }
    }
    return untranslated;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    FakeMedia media;

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR)); }
    void cleanup() { putInPlace(QStringLiteral("en")); }

    void onlyACompleteTranslationIsOfferedOrTakenFromTheSystem()
    {
        QCOMPARE(language::known().first().code, QStringLiteral("en"));
        for (const language::Language& known : language::known()) {
            QCOMPARE(language::isOffered(known.code), known.complete);
            // A system in a language the game does not fully speak gets
            // English, not a game half in one language and half in another.
            const QString fromSystem = language::forLocale(QLocale(known.code));
            QCOMPARE(fromSystem, known.complete ? known.code : QStringLiteral("en"));
            QCOMPARE(language::choose(known.code), known.complete);
        }
        QCOMPARE(language::forLocale(QLocale(QStringLiteral("de_DE"))), QStringLiteral("en"));
        // A language the game does not know changes nothing.
        const QString before = language::chosen();
        QVERIFY(!language::install(QStringLiteral("xx")));
        QCOMPARE(language::chosen(), before);
    }

    void theMenusChangeAtOnceAndEnglishComesBackExactly()
    {
        ErrorCapture errors;
        MarketScreens screens;
        TGame& game = *screens.game;
        TFleaMarket& market = *screens.market;
        const QMap<QString, QString> trailEnglish = menuTexts(game);
        const QMap<QString, QString> marketEnglish = menuTexts(market);
        QCOMPARE(trailEnglish.value(QStringLiteral("File1")), QStringLiteral("&File"));
        QVERIFY(trailEnglish.size() >= 20 && marketEnglish.size() >= 15);

        // Words that are the same in a language, on purpose: each language
        // is named in its own words, whatever the language in view.
        const QStringList ownNames{QStringLiteral("Language_en"), QStringLiteral("Language_es"),
                                   QStringLiteral("Language_fr")};
        QVERIFY(trailEnglish.contains(QStringLiteral("Language1")));
        const QMap<QString, QStringList> same{
            {QStringLiteral("es"), ownNames},
            {QStringLiteral("fr"),
             QStringList{QStringLiteral("Volume"), QStringLiteral("Volume1"),
                         QStringLiteral("PauseItem"), QStringLiteral("Options1")} +
                 ownNames},
        };
        for (const QString& code : {QStringLiteral("es"), QStringLiteral("fr")}) {
            putInPlace(code);
            for (QWidget* screen : {static_cast<QWidget*>(&game), static_cast<QWidget*>(&market)}) {
                const QMap<QString, QString> english =
                    screen == &game ? trailEnglish : marketEnglish;
                const QMap<QString, QString> translated = menuTexts(*screen);
                for (auto item = english.begin(); item != english.end(); ++item) {
                    if (same[code].contains(item.key()))
                        continue;
                    QVERIFY2(translated.value(item.key()) != item.value(),
                             qPrintable(code + QLatin1Char(' ') + item.key()));
                }
            }
        }
        QCOMPARE(game.File1->title(), QStringLiteral("&Fichier"));
        QCOMPARE(game.SaveJourney1->text(), QStringLiteral("&Enregistrer le voyage..."));

        putInPlace(QStringLiteral("en"));
        QCOMPARE(menuTexts(game), trailEnglish);
        QCOMPARE(menuTexts(market), marketEnglish);
        QVERIFY(errors.messages.isEmpty());
    }

    void everyWordOfTheIntroAndTheMarketChangesWhereItStands()
    {
        ErrorCapture errors;
        MarketScreens screens;
        TIntro intro;
        TAbout1 question;
        question.Tag = TAbout1::QuitQuestion;
        question.FormActivate();
        TFleaMarket& market = *screens.market;
        TStore& store = *screens.store;
        store.LoadBackground(QString::fromLatin1(TStore::FleaMarketBackground));
        store.Tag = 22; // the flea market's shop
        store.show();   // its first page of goods
        // A step's instruction and a hint of the eagle's, made from the
        // market's state: inside the shop.
        market.IButtonClick();
        market.T1Timer();
        market.Door2Click();
        market.T1Timer();
        market.eagClick();
        const QList<QWidget*> windows{&intro, &question, &market, &store, screens.inventory};
        // The titles painted into pictures: the market's panel, the store's heading.
        const QImage englishPanel = market.IPic->picture();
        const QImage englishHeading = store.Image1->picture();
        QVERIFY(!englishPanel.isNull() && !englishHeading.isNull());
        QList<QMap<QString, QString>> english;
        for (QWidget* window : windows)
            english << screenTexts(*window);
        QCOMPARE(english[2].value(QStringLiteral("ILabel/text")).left(27),
                 QStringLiteral("Click on the screen to brin"));
        QCOMPARE(english[3].value(QStringLiteral("item1/text")), QStringLiteral("wolf painting"));

        // The same in a language on purpose: names, and words the two share.
        const QMap<QString, QStringList> same{
            {QString(), {QStringLiteral("About1 Panel1/name")}}, // the game's name
            {QStringLiteral("es"), {}},
            {QStringLiteral("fr"),
             {QStringLiteral("Intro window/title"), QStringLiteral("FleaMarket IPic/name")}},
        };
        QStringList untranslated;
        for (const QString& code : {QStringLiteral("es"), QStringLiteral("fr")}) {
            putInPlace(code);
            for (int w = 0; w < windows.size(); ++w) {
                const QMap<QString, QString> translated = screenTexts(*windows[w]);
                for (auto text = english[w].begin(); text != english[w].end(); ++text) {
                    const QString where = windows[w]->objectName() + QLatin1Char(' ') + text.key();
                    const QString shown = translated.value(text.key());
                    if (!same[code].contains(where) && !same[QString()].contains(where) &&
                        (shown == text.value() || shown.isEmpty()))
                        untranslated << code + QLatin1Char(' ') + where + QStringLiteral(": ") +
                                            text.value();
                }
            }
            QVERIFY2(market.IPic->picture() != englishPanel, qPrintable(code));
            QVERIFY2(store.Image1->picture() != englishHeading, qPrintable(code));
            QCOMPARE(market.IPic->picture().size(), englishPanel.size());
            // The store's dollar signs still stand just before their figures.
            for (auto [words, figure] :
                 {std::pair{store.Label3, store.ym1}, std::pair{store.Label4, store.tp1}}) {
                const int width = words->fontMetrics().horizontalAdvance(words->text());
                QVERIFY2(words->x() + width <= figure->x(), qPrintable(words->text()));
                QVERIFY2(words->x() + width +
                                 words->fontMetrics().horizontalAdvance(QStringLiteral("  ")) >
                             figure->x(),
                         qPrintable(words->text()));
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        // The caption in view is the story's own, in the language.
        QCOMPARE(intro.Label1->text(), story::introCaption(1));
        QVERIFY(intro.Label1->text().startsWith(QStringLiteral("Près d'un marché")));

        putInPlace(QStringLiteral("en"));
        for (int w = 0; w < windows.size(); ++w)
            QCOMPARE(screenTexts(*windows[w]), english[w]);
        QVERIFY(market.IPic->picture() == englishPanel);
        QVERIFY(store.Image1->picture() == englishHeading);
        QVERIFY(errors.messages.isEmpty());
    }

    void theTrailsWordsChangeWhereTheyStand()
    {
        ErrorCapture errors;
        MarketScreens screens;
        TGame& game = *screens.game;
        gameState().Town = 2;
        game.Shows(2); // the look-around prompt of the girl's town
        game.describeScene(QStringLiteral("s020"));
        const QMap<QString, QString> english = screenTexts(game);
        QVERIFY(english.value(QStringLiteral("IL1/text")).contains(QStringLiteral("Verunai girl")));
        QVERIFY(english.size() > 40);
        const QStringList same{
            QStringLiteral("window/title"), // the game's name
            QStringLiteral("IPic/name"),    // "Instructions" in French too
            QStringLiteral("DOK1/text"),    // "&OK" in French too
        };
        const QStringList untranslated = notTranslated(
            english, [&] { return screenTexts(game); }, same);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        putInPlace(QStringLiteral("en"));
        const QMap<QString, QString> back = screenTexts(game);
        QStringList changed;
        for (auto text = english.begin(); text != english.end(); ++text)
            if (back.value(text.key()) != text.value())
                changed << text.key() + QStringLiteral(": ") + back.value(text.key());
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
        QCOMPARE(back.keys(), english.keys());
        QVERIFY(errors.messages.isEmpty());
    }

    void theListOfJourneysSpeaksTheLanguageWithItsDays()
    {
        journey::Listing saved;
        saved.town = 3;
        saved.townName = QStringLiteral("Cedar Spring");
        const QDateTime now(QDate(2026, 12, 10), QTime(10, 0)); // a Thursday
        saved.saved = now.addDays(-3);
        QCOMPARE(
            journey::listingLine(saved, now),
            QStringLiteral("A journey without a name \u2014 Cedar Spring, town 3 \u2014 Monday"));
        putInPlace(QStringLiteral("fr"));
        QCOMPARE(journey::listingLine(saved, now),
                 QStringLiteral("Un voyage sans nom \u2014 Cedar Spring, ville 3 \u2014 lundi"));
        saved.saved = now.addDays(-30);
        QCOMPARE(journey::listingLine(saved, now).section(QStringLiteral(" \u2014 "), 2),
                 QStringLiteral("10 novembre 2026"));
    }

    void theRoadsChoicesAndTheHuntAreToldInTheLanguage()
    {
        using wellbeing::Remedy;
        const Remedy snakeroot{Remedy::Kind::Good, 2, -1, wellbeing::remedyOfTown(2)};
        const Remedy honey{Remedy::Kind::Provision, 0, -1, QStringLiteral("a jar of honey")};
        const Remedy rest{};
        hunting::Hunt turkey{QStringLiteral("a wild turkey"), 12, false};
        const QStringList english{wellbeing::choiceText(snakeroot, QStringLiteral("Avrel")),
                                  wellbeing::choiceText(honey, QStringLiteral("Avrel")),
                                  wellbeing::choiceText(rest, QStringLiteral("Avrel")),
                                  hunting::huntTold(turkey)};
        QCOMPARE(english, (QStringList{QStringLiteral("Give Avrel snakeroot tea."),
                                       QStringLiteral("Give Avrel a jar of honey."),
                                       QStringLiteral("Let Avrel rest by the fire."),
                                       QStringLiteral("The hunters come back with a wild turkey: "
                                                      "12 lb of meat.  They give thanks for it, as "
                                                      "Verunai hunters always did.")}));
        putInPlace(QStringLiteral("es"));
        QCOMPARE(wellbeing::choiceText(snakeroot, QStringLiteral("Avrel")),
                 QStringLiteral("Darle a Avrel té de serpentaria."));
        QCOMPARE(wellbeing::choiceText(honey, QStringLiteral("Avrel")),
                 QStringLiteral("Darle a Avrel un frasco de miel."));
        putInPlace(QStringLiteral("fr"));
        QCOMPARE(wellbeing::choiceText(rest, QStringLiteral("Avrel")),
                 QStringLiteral("Laisser Avrel se reposer près du feu."));
        QVERIFY(hunting::huntTold(turkey).startsWith(
            QStringLiteral("Les chasseurs reviennent avec un dindon sauvage : 12 lb")));
        // The record keeps the English.
        QCOMPARE(turkey.found, QStringLiteral("a wild turkey"));
        QCOMPARE(wellbeing::remedyOfTown(2), QStringLiteral("snakeroot tea"));
    }

    void theJourneysEndIsToldAgainInTheNewLanguage()
    {
        ErrorCapture errors;
        MarketScreens screens;
        TGame& game = *screens.game;
        resetGameState();
        gameState().Town = TownCount;
        gameState().FishLb = 23;
        gameState().CarePoints = 5;
        game.JourneysEnd();
        putInPlace(QStringLiteral("fr")); // Sedora's closing words, in view
        QVERIFY(game.Caption->text().startsWith(QStringLiteral("Vous avez parcouru")));
        putInPlace(QStringLiteral("en"));
        game.Yes1Click(); // the score, after her words
        const QString english = game.EndLabel2->text();
        const int score = gameState().finalScore();
        QVERIFY2(english.startsWith(
                     QStringLiteral("Your final score is %1 points: 5 for treating the snakebite "
                                    "with snakeroot tea, 2 for the 23 lb of fish in storage and 7 "
                                    "for the 7 travellers in good condition.")
                         .arg(score)),
                 qPrintable(english));
        putInPlace(QStringLiteral("es"));
        QVERIFY2(game.EndLabel2->text().startsWith(
                     QStringLiteral("Tu puntuación final es %1 puntos: 5 por curar la mordedura de "
                                    "serpiente con té de serpentaria, 2 por las 23 lb de pescado "
                                    "guardadas y 7 por 7 viajeros en buen estado.")
                         .arg(score)),
                 qPrintable(game.EndLabel2->text()));
        putInPlace(QStringLiteral("fr"));
        QVERIFY(game.EndLabel->text().startsWith(QStringLiteral("Ton groupe est arrivé")));
        putInPlace(QStringLiteral("en"));
        QCOMPARE(game.EndLabel2->text(), english);
    }

    void theInventoryShowsTheCatchesAndReservesInTheLanguage()
    {
        MarketScreens screens;
        resetGameState();
        gameState().FishLb = 4;
        gameState().FishOz = 3;
        screens.game->FishList = {QStringLiteral("2 lb 5 oz bluegill"),
                                  QStringLiteral("1 lb 0 oz brook trout")};
        TInventory& inventory = *screens.inventory;
        putInPlace(QStringLiteral("fr"));
        inventory.Tag = TInventory::FishCaught;
        inventory.ReadData();
        QCOMPARE(inventory.L[0]->text(), QStringLiteral("2 lb 5 oz de crapet arlequin"));
        QCOMPARE(inventory.L[1]->text(), QStringLiteral("1 lb 0 oz d'omble de fontaine"));
        inventory.Tag = TInventory::GameReserves;
        inventory.ReadData();
        QCOMPARE(inventory.L[0]->text(), QStringLiteral("poisson en réserve : 4 lb 3 oz"));
        // The catches are kept as they were caught, in English.
        QCOMPARE(screens.game->FishList.first(), QStringLiteral("2 lb 5 oz bluegill"));
        putInPlace(QStringLiteral("en"));
        inventory.Tag = TInventory::FishCaught;
        inventory.ReadData();
        QCOMPARE(inventory.L[0]->text(), QStringLiteral("2 lb 5 oz bluegill"));
    }

    void theJournalTheTeachersListAndTheHelpSpeakTheLanguageWordForWord()
    {
        // These windows are opened over a screen and closed again, so each
        // is made in the language in view.
        Journal journal;
        journal.arrived(1);
        journal.arrived(2);
        journal.metSpirit(2);
        journey::Listing listing;
        listing.party = QStringLiteral("Room 12");
        listing.town = 2;
        listing.townName = QStringLiteral("Marrow Lake");
        listing.chapter = 1;
        listing.saved = QDateTime(QDate(2026, 11, 24), QTime(15, 40));
        const auto texts = [&] {
            QMap<QString, QString> all;
            TJournal view(journal, JournalCover{{QStringLiteral("Avrel")}, 3, {}});
            journey::ClassOverview overview({listing});
            media::HelpWindow help(QStringLiteral(KELVARIN_DATA_DIR "/help/index.html"));
            for (QWidget* window : {static_cast<QWidget*>(&view), static_cast<QWidget*>(&overview),
                                    static_cast<QWidget*>(&help)}) {
                const QMap<QString, QString> shown = screenTexts(*window);
                for (auto text = shown.begin(); text != shown.end(); ++text)
                    all[window->objectName() + QLatin1Char('/') + text.key()] = text.value();
            }
            return all;
        };
        const QMap<QString, QString> english = texts();
        QVERIFY(english.size() > 20);
        const QStringList same{
            QStringLiteral("Journal/window/title"), // "Journal" in French too
        };
        const QStringList untranslated = notTranslated(english, texts, same);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

    void aScreenMadeInALanguageSpeaksItFromTheStart()
    {
        putInPlace(QStringLiteral("es"));
        MarketScreens screens;
        QCOMPARE(screens.market->Options1->title(), QStringLiteral("&Opciones"));
        QCOMPARE(screens.market->findChild<QAction*>(QStringLiteral("FullScreenItem"))->text(),
                 QStringLiteral("Pantalla &completa"));
    }

    void englishCountsKeepTheirOneRuleExactly()
    {
        for (int item = 0; item < ItemTotal; ++item) {
            for (int count : {0, 1, 2, 5, 11, 21, 100}) {
                const QString english =
                    goods::Plural(QStringLiteral("%1 %2").arg(count).arg(goods::ItemName(item)));
                QCOMPARE(goods::countedItem(item, count), english);
            }
        }
        QCOMPARE(goods::shownItemName(16, 3), QStringLiteral("bunches of grapes"));
    }

    void eachLanguageCountsItsOwnWay_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("grapes"); // for 1, 2, 5 and 21
        QTest::newRow("Spanish") << QStringLiteral("es")
                                 << QStringList{QStringLiteral("1 racimo de uvas"),
                                                QStringLiteral("2 racimos de uvas"),
                                                QStringLiteral("5 racimos de uvas"),
                                                QStringLiteral("21 racimos de uvas")};
        QTest::newRow("French") << QStringLiteral("fr")
                                << QStringList{QStringLiteral("1 grappe de raisins"),
                                               QStringLiteral("2 grappes de raisins"),
                                               QStringLiteral("5 grappes de raisins"),
                                               QStringLiteral("21 grappes de raisins")};
    }

    void eachLanguageCountsItsOwnWay()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, grapes);
        putInPlace(code);
        const int bunchOfGrapes = 16;
        QCOMPARE(goods::ItemName(bunchOfGrapes), QStringLiteral("bunch of grapes"));
        QStringList counted;
        for (int count : {1, 2, 5, 21})
            counted << goods::countedItem(bunchOfGrapes, count);
        QCOMPARE(counted, grapes);
        // Every good has its name in the language, for one and for many
        // (a name may be the same as the English: "2 ponchos").
        QTranslator translation;
        QVERIFY(translation.load(QStringLiteral(":/i18n/kelvarin_%1.qm").arg(code)));
        for (int item = 0; item < ItemTotal; ++item) {
            const char* name = goods::catalogueItem(item).name;
            for (int count : {1, 2})
                QVERIFY2(!translation.translate("Goods", name, nullptr, count).isEmpty(), name);
        }
        // The game's rules still know each good by its English name.
        QCOMPARE(goods::ItemName(bunchOfGrapes), QStringLiteral("bunch of grapes"));
    }

    void qtsOwnWordsComeAlong()
    {
        putInPlace(QStringLiteral("fr"));
        // The buttons of Qt's standard boxes and dialogs.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuler"));
        putInPlace(QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
