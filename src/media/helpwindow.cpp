#include "helpwindow.h"

#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace media {

HelpWindow::HelpWindow(const QString& contentsPage, QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      browser_(new QTextBrowser(this)), contents_(new QPushButton(QStringLiteral("&Contents"), this)),
      close_(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Kelvarin Help"));
    resize(680, 560);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenExternalLinks(false);
    browser_->setFont(platform::sansFont(15));
    // The pages share one style sheet beside them; the browser applies it to
    // every page it shows.
    const QFileInfo page(contentsPage);
    QFile styles(page.absoluteDir().filePath(QStringLiteral("style.css")));
    if (styles.open(QIODevice::ReadOnly))
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(styles.readAll()));
    browser_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);

    connect(contents_, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(close_, &QPushButton::clicked, this, &HelpWindow::close);
    close_->setDefault(true);
    platform::keyboardButton(contents_);
    platform::keyboardButton(close_);
    contents_->setAccessibleDescription(QStringLiteral("Back to the list of help pages."));
    // The page first: arrow keys scroll it, Tab walks its links.
    browser_->setFocus();
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    Form::keyPressEvent(event);
}

namespace {

void needHelpFile(const QString& fileName, const QString& what)
{
    if (!QFileInfo(fileName).isFile())
        platform::raise(QStringLiteral("%1 missing (\"%2\").").arg(what, fileName));
}

} // namespace

void showHelpContents(const QString& helpFile)
{
    needHelpFile(helpFile, QStringLiteral("The help pages are"));
    HelpWindow help(helpFile);
    help.placeCentred();
    help.ShowModal();
}

void showHelpPage(const QString& helpFile, const QString& page)
{
    needHelpFile(helpFile, QStringLiteral("The help pages are"));
    const QString pageFile = QFileInfo(helpFile).dir().filePath(page);
    needHelpFile(pageFile, QStringLiteral("This help page is"));
    HelpWindow help(helpFile);
    // The contents page stays the browser's home.
    help.browser()->setSource(QUrl::fromLocalFile(QFileInfo(pageFile).absoluteFilePath()));
    help.placeCentred();
    help.ShowModal();
}

} // namespace media
