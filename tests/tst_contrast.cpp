// The texts of the screens against what is behind them: every caption, line
// and label of the intro, the flea market, the store, the inventory, the
// about box and the help and volume windows reads at the contrast the
// accessibility guidelines ask of text (4.5:1), on plain colours and on the
// pictures behind it.

#include "errorcapture.h"
#include "fakemedia.h"
#include "media/helpwindow.h"
#include "media/volumedialog.h"
#include "platform/bevelpanel.h"
#include "platform/contrast.h"
#include "platform/updown.h"
#include "presentation/about.h"
#include "presentation/intro.h"
#include "presentation/transitions/formtransitions.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace {

// How a text reads against the pixels behind it: the ratio that 95 in 100
// of those pixels reach (a picture may have a bright speck behind a letter),
// and the lowest of all.
struct Reading {
    double mostly = 0;
    double worst = 0;
};

// The part of the label its text covers.
QRect textArea(const QLabel* label)
{
    const QRect inside = label->contentsRect();
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return label->fontMetrics().boundingRect(inside, flags, label->text()).intersected(inside);
}

Reading readingOf(QLabel* label)
{
    QWidget* window = label->window();
    label->ensurePolished();
    const QColor text = label->palette().color(QPalette::WindowText);
    const QRect area(label->mapTo(window, textArea(label).topLeft()), textArea(label).size());
    QImage behind;
    if (label->autoFillBackground()) {
        behind = QImage(area.size(), QImage::Format_RGB32);
        behind.fill(label->palette().color(QPalette::Window));
    } else {
        label->hide();
        behind = window->grab(area).toImage();
        label->show();
    }
    QList<double> ratios;
    for (int y = 0; y < behind.height(); ++y) {
        for (int x = 0; x < behind.width(); ++x)
            ratios << platform::contrastRatio(text, QColor(behind.pixel(x, y)));
    }
    if (ratios.isEmpty())
        return {};
    std::sort(ratios.begin(), ratios.end());
    return {ratios.at(ratios.size() / 20), ratios.first()};
}

// Every label under root that shows a text now.
QList<QLabel*> shownTexts(QWidget* root)
{
    QList<QLabel*> labels;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isVisibleTo(root->window()) && !label->text().trimmed().isEmpty() &&
            label->pixmap().isNull())
            labels << label;
    }
    return labels;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

    FakeMedia media;

    // Every text under root (a window, or a panel that covers the rest).
    void everyTextReads(QWidget* root, const QString& moment)
    {
        const QList<QLabel*> labels = shownTexts(root);
        QVERIFY2(!labels.isEmpty(), qPrintable(moment));
        for (QLabel* label : labels) {
            const Reading reading = readingOf(label);
            qInfo("%s, \"%s\": %.1f (worst %.1f)", qPrintable(moment),
                  qPrintable(label->text().left(30)), reading.mostly, reading.worst);
            QVERIFY2(reading.mostly >= platform::ReadableContrast,
                     qPrintable(QStringLiteral("%1, %2 \"%3\": %4:1")
                                    .arg(moment, label->objectName(), label->text().left(40))
                                    .arg(reading.mostly, 0, 'f', 1)));
        }
    }

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR)); }

    void theIntroCaptionsRead()
    {
        // Not shown: an intro that appears starts telling its story.
        TIntro intro;
        intro.FormShow();
        everyTextReads(&intro, QStringLiteral("caption 1"));
        for (int caption = 2; caption <= 5; ++caption) {
            intro.Action(caption);
            everyTextReads(&intro, QStringLiteral("caption %1").arg(caption));
        }
    }

    void theMarketAndItsStoreRead()
    {
        resetGameState();
        goods::resetPossessions();
        ErrorCapture errors;
        Game = new TGame;
        Store = new TStore;
        Inventory = new TInventory;
        {
            TFleaMarket market;
            market.FT1->Enabled = false;
            market.FormShow();
            market.show();
            everyTextReads(&market, QStringLiteral("the market's arrival"));
            market.IButtonClick();
            market.T1Timer();
            market.Door1Click();
            everyTextReads(&market, QStringLiteral("the door"));
            market.Door2Click();
            market.T1Timer();
            everyTextReads(&market, QStringLiteral("the shop"));
            market.close();
        }
        Store->Tag = 22;
        Store->show();
        everyTextReads(Store, QStringLiteral("the store"));
        Store->setMoney(5);
        Store->u[0]->stepUp();
        Store->Calc();
        everyTextReads(Store->Panel1, QStringLiteral("the store's notice"));
        Store->close();
        goods::possessions().ItemCount[0] = 2;
        goods::possessions().ItemCount[5] = 1;
        Inventory->show();
        Inventory->ReadData();
        everyTextReads(Inventory, QStringLiteral("the inventory"));
        Inventory->close();
        delete Inventory;
        delete Store;
        delete Game;
        Inventory = nullptr;
        Store = nullptr;
        Game = nullptr;
    }

    void theBoxesRead()
    {
        TAbout1 about;
        about.Tag = TAbout1::QuitQuestion;
        about.show();
        everyTextReads(&about, QStringLiteral("the quit question"));
        about.close();
        media::VolumeDialog volume;
        volume.show();
        everyTextReads(&volume, QStringLiteral("the volume"));
        volume.close();
    }

    void theHelpPagesRead()
    {
        // The colours of the help's style sheet, each rule's text on the
        // page's background (or on its own, where it has one).
        QFile file(QStringLiteral(KELVARIN_DATA_DIR "/help/style.css"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString sheet = QString::fromUtf8(file.readAll());
        const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
        const QRegularExpression text(QStringLiteral("(?:^|;)\\s*color:\\s*(#[0-9a-fA-F]{6})"));
        const QRegularExpression ground(
            QStringLiteral("background(?:-color)?:\\s*(#[0-9a-fA-F]{6})"));
        QColor page;
        QColor pageText;
        QList<QPair<QString, QPair<QColor, QColor>>> pairs; // rule, text on background
        for (const auto& match : rule.globalMatch(sheet)) {
            const QString selector = match.captured(1).trimmed();
            const QString body = match.captured(2);
            const QColor color(text.match(body).captured(1));
            const QColor background(ground.match(body).captured(1));
            if (selector == QLatin1String("body")) {
                page = background;
                pageText = color;
            }
            pairs.append({selector, {color, background}});
        }
        QVERIFY(page.isValid() && pageText.isValid());
        int measured = 0;
        for (const auto& [selector, colours] : pairs) {
            const QColor textColour = colours.first.isValid() ? colours.first : pageText;
            const QColor behind = colours.second.isValid() ? colours.second : page;
            const double ratio = platform::contrastRatio(textColour, behind);
            qInfo("help, %s: %.1f", qPrintable(selector), ratio);
            QVERIFY2(ratio >= platform::ReadableContrast, qPrintable(selector));
            ++measured;
        }
        QVERIFY(measured >= 4);
        // Links in the browser's own colour.
        media::HelpWindow help(QStringLiteral(KELVARIN_DATA_DIR "/help/index.html"));
        QVERIFY(platform::contrastRatio(help.palette().color(QPalette::Link), page) >=
                platform::ReadableContrast);
    }
};

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
