#include "helpwindow.h"

#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"
#include "platform/translatedtext.h"
#include "shell/language.h"

#include <QCoreApplication>
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
      browser_(new QTextBrowser(this)), contents_(new QPushButton(this)),
      close_(new QPushButton(this))
{
    using platform::setTranslatedText;
    using platform::TextRole;
    setObjectName(QStringLiteral("Help"));
    setTranslatedText(this, "Help", QT_TRANSLATE_NOOP("Help", "Kelvarin Help"));
    setTranslatedText(contents_, "Help", QT_TRANSLATE_NOOP("Help", "&Contents"));
    setTranslatedText(close_, "Help", QT_TRANSLATE_NOOP("Help", "Close"));
    contents_->setObjectName(QStringLiteral("HelpContents"));
    close_->setObjectName(QStringLiteral("HelpClose"));
    resize(680, 560);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    setTranslatedText(browser_, "Help", QT_TRANSLATE_NOOP("Help", "Help page"),
                      TextRole::AccessibleName);
    browser_->setOpenExternalLinks(false);
    browser_->setFont(platform::sansFont(15));
    // The pages share one style sheet beside them (a translation's folder
    // shares the English one's); the browser applies it to every page.
    const QFileInfo page(contentsPage);
    const QString sheet = QStringLiteral("style.css");
    QDir pages = page.absoluteDir();
    if (!pages.exists(sheet))
        pages.cdUp();
    QFile styles(pages.filePath(sheet));
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
    setTranslatedText(contents_, "Help",
                      QT_TRANSLATE_NOOP("Help", "Back to the list of help pages."),
                      TextRole::AccessibleDescription);
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

void needHelpFile(const QString& fileName, const char* what)
{
    if (!QFileInfo(fileName).isFile())
        platform::raise(QCoreApplication::translate("Help", "%1 missing (\"%2\").")
                            .arg(QCoreApplication::translate("Help", what), fileName));
}

const char* const PagesMissing = QT_TRANSLATE_NOOP("Help", "The help pages are");
const char* const PageMissing = QT_TRANSLATE_NOOP("Help", "This help page is");

} // namespace

QString helpInLanguage(const QString& englishPage)
{
    // A translated page lies in a folder named for its language beside the
    // English one; a page not (yet) translated is shown in English.
    const QString code = language::chosen();
    if (code == QLatin1String("en"))
        return englishPage;
    const QFileInfo english(englishPage);
    const QString translated = english.dir().filePath(code + QLatin1Char('/') + english.fileName());
    return QFileInfo(translated).isFile() ? translated : englishPage;
}

void showHelpContents(const QString& englishHelpFile)
{
    needHelpFile(englishHelpFile, PagesMissing);
    const QString helpFile = helpInLanguage(englishHelpFile);
    HelpWindow help(helpFile);
    help.placeCentred();
    help.ShowModal();
}

void showHelpPage(const QString& englishHelpFile, const QString& page)
{
    needHelpFile(englishHelpFile, PagesMissing);
    const QString englishPage = QFileInfo(englishHelpFile).dir().filePath(page);
    needHelpFile(englishPage, PageMissing);
    const QString helpFile = helpInLanguage(englishHelpFile);
    const QString pageFile = helpInLanguage(englishPage);
    HelpWindow help(helpFile);
    // The contents page stays the browser's home.
    help.browser()->setSource(QUrl::fromLocalFile(QFileInfo(pageFile).absoluteFilePath()));
    help.placeCentred();
    help.ShowModal();
}

} // namespace media
