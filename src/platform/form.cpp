#include "form.h"

#include "errorreport.h"
#include "screenarea.h"
#include "screenunderwindow.h"
#include "translatedtext.h"
#include "windowmode.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace platform {

namespace {

// Set when the game stops being the active application (the player switched
// to another program); the next activation of a window reads and clears it.
bool& playerLeftTheGame()
{
    static bool left = false;
    return left;
}

void watchForOtherPrograms()
{
    static bool watching = false;
    if (watching || !qGuiApp)
        return;
    watching = true;
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, qGuiApp,
                     [](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive)
                             playerLeftTheGame() = true;
                     });
}

} // namespace

Form::Form(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    watchForOtherPrograms();
}

void Form::ShowModal()
{
    ++modalRuns_;
    exec();
    --modalRuns_;
}

void Form::endModalRun()
{
    closingWithoutQuery_ = true;
    if (isVisible())
        reject();
    closingWithoutQuery_ = false;
}

void Form::placeMainScreen()
{
    if (!mainScreen_) {
        mainScreen_ = true;
        if (screenSizeForced())
            setWindowFlag(Qt::FramelessWindowHint);
        setMinimumSize(WindowMode::smallestWindowSize());
        connect(&WindowMode::instance(), &WindowMode::changed, this,
                [this] { followWindowMode(); });
    }
    followWindowMode();
    layOut();
    laidOutFor_ = size();
}

void Form::followWindowMode()
{
    const WindowMode& mode = WindowMode::instance();
    const QRect screen = fullScreenRect();
    QRect window(QPoint(0, 0), mode.windowSize().boundedTo(screen.size()));
    window.moveCenter(screen.center());
    if (screenSizeForced()) {
        // Tests and screenshots ask for a screen size of their own: the
        // window is put exactly there, without the window system's help.
        setGeometry(mode.fullScreen() ? screen : window);
        return;
    }
    if (mode.fullScreen()) {
        // The geometry is for an X server without a window manager; the
        // full-screen state is what desktops (and every Wayland compositor)
        // go by.
        setGeometry(screen);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setGeometry(window);
    }
}

QRect Form::stageRect() const
{
    return fourByThreeArea(rect());
}

void Form::paintEvent(QPaintEvent* event)
{
    // Around a main screen's stage the window is black. (Not by its palette:
    // that would reach the menu bar and every other control of the window.)
    if (mainScreen_)
        QPainter(this).fillRect(rect(), Qt::black);
    QDialog::paintEvent(event);
}

void Form::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateTexts(this);
        guarded([this] { languageChanged(); });
    }
}

void Form::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!mainScreen_ || size() == laidOutFor_)
        return;
    laidOutFor_ = size();
    // A window the player sized is the size the next window takes.
    const WindowMode& mode = WindowMode::instance();
    if (!mode.fullScreen() && !(windowState() & Qt::WindowFullScreen) && isVisible() &&
        size() != fullScreenRect().size())
        WindowMode::instance().setWindowSize(size());
    guarded([this] { layOut(); });
}

void Form::placeCentred()
{
    centred_ = true;
    // Over the game's area, or over the window the player put the game in.
    QRect over = gameScreenRect();
    const Form* screen = screenInView().data();
    if (screen && screen != this && screen->isVisible() && !WindowMode::instance().fullScreen())
        over = screen->geometry();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(over.center());
    move(frame.topLeft());
}

void Form::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // Asking for the full screen made the X window early, below the
        // backdrop: it comes up on top as it appears.
        if (mainScreen_ && QGuiApplication::platformName() == QLatin1String("xcb"))
            raise();
        if (mainScreen_)
            screenInView() = this;
        ++shows_;
        shownSinceActivation_ = true;
        guarded([this] { FormShow(); });
        emit aboutToAppear();
        if (activationMayNotCome() || insideScreen_)
            QTimer::singleShot(0, this, &Form::activateUnasked);
    }
}

namespace {

std::optional<bool>& smallWindowsInsideForced()
{
    static std::optional<bool> forced;
    return forced;
}

} // namespace

bool Form::smallWindowsInsideScreen()
{
    if (smallWindowsInsideForced())
        return *smallWindowsInsideForced();
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Form::setSmallWindowsInsideScreen(std::optional<bool> inside)
{
    smallWindowsInsideForced() = inside;
}

QPointer<Form>& Form::screenInView()
{
    static QPointer<Form> screen;
    return screen;
}

Form* Form::mainScreenInView()
{
    Form* screen = screenInView().data();
    return screen && screen->isVisible() ? screen : nullptr;
}

void Form::setVisible(bool visible)
{
    if (visible && !isVisible() && !mainScreen_ && isWindow() && smallWindowsInsideScreen()) {
        Form* screen = screenInView().data();
        if (screen && screen != this && screen->isVisible())
            enterScreen(screen);
    }
    // A centred window is centred again as it appears: the game's window
    // may have moved since.
    if (visible && !isVisible() && centred_ && isWindow())
        placeCentred();
    const bool appearing = visible && !isVisible();
    if (!appearing) {
        QDialog::setVisible(visible);
        if (!visible && insideScreen_)
            leaveScreen();
        return;
    }
    appearing_ = true;
    QDialog::setVisible(true);
    emit appeared();
    appearing_ = false;
    if (activationHeld_) {
        // From the event loop, as activations come: the window's modal run
        // has begun by then, so that a window closing as it is activated
        // also ends its run.
        activationHeld_ = false;
        QTimer::singleShot(0, this, [this, shown = shows_] {
            if (isVisible() && shows_ == shown)
                activated();
        });
    }
}

void Form::enterScreen(Form* screen)
{
    // Centred over the screen, as placeCentred puts it over the game's area.
    ownFlags_ = windowFlags();
    insideScreen_ = true;
    hostScreen_ = screen;
    setParent(screen, Qt::Widget);
    const QSize own = size();
    QRect place(QPoint(0, 0), own);
    place.moveCenter(screen->rect().center());
    place.moveTopLeft(QPoint(std::max(0, place.left()), std::max(0, place.top())));
    setGeometry(place);
    setAutoFillBackground(true);
    // Screen readers name it as they named the window.
    namedByTitle_ = accessibleName().isEmpty();
    if (namedByTitle_)
        setAccessibleName(windowTitle());
    raise();
    delete guard_;
    guard_ = new ScreenUnderWindow(this, screen);
}

void Form::leaveScreen()
{
    delete guard_;
    guard_ = nullptr;
    insideScreen_ = false;
    hostScreen_.clear();
    if (namedByTitle_)
        setAccessibleName(QString());
    // Back to a window of its own, so that it never goes with the screen
    // it stood in.
    setParent(nullptr, ownFlags_);
}

bool Form::activationMayNotCome()
{
    // A Wayland compositor gives the keyboard only to the windows it
    // chooses (none at all without a keyboard): the game's windows may
    // appear and never be activated.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Form::activateUnasked()
{
    if (!isVisible() || !shownSinceActivation_ || (isActiveWindow() && !insideScreen_))
        return;
    if (insideScreen_) {
        // Inside its screen the window gets no activation of its own.
        activated();
        if (!focusWidget() || !isAncestorOf(focusWidget()))
            focusNextChild();
        return;
    }
    // What the window does as it is activated, it does now; the desktop's
    // activation, when it comes, is the same first one.
    activatedUnasked_ = true;
    activated();
}

void Form::activated()
{
    // The window's opening (its transition) comes first.
    if (appearing_) {
        activationHeld_ = true;
        return;
    }
    // A window that has just appeared was activated by the game itself,
    // whatever happened on the desktop in between.
    fromAnotherProgram_ = playerLeftTheGame() && !shownSinceActivation_;
    playerLeftTheGame() = false;
    shownSinceActivation_ = false;
    guarded([this] { FormActivate(); });
    fromAnotherProgram_ = false;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!closingWithoutQuery_) {
        bool allowed = false;
        guarded([&] { allowed = FormCloseQuery(); });
        if (!allowed) {
            event->ignore();
            return;
        }
        guarded([this] { FormClose(); });
    }
    QDialog::closeEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // No window of the game has a cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Form::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        if (activatedUnasked_)
            activatedUnasked_ = false;
        else
            activated();
    } else if (event->type() == QEvent::Hide) {
        activatedUnasked_ = false;
    }
    return handled;
}

} // namespace platform
