#pragma once

// A window of the game: the trail screen, the store, the about box and the
// rest. Each is shown modally by its opener, asks before it closes where the
// game says so, and enters its event handlers through the error guard.

#include <QDialog>
#include <QPointer>
#include <optional>

namespace platform {

class Form : public QDialog {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // A small integer the game keeps on each window: the about box's question
    // and answer, the store's list, the trail screen's end-timer mode, ...
    int Tag = 0;

    // Shows the window modally; returns when it has closed.
    void ShowModal();
    bool inModalRun() const { return modalRuns_ > 0; }
    // Ends the window's modal run without the close question (the
    // application is ending).
    void endModalRun();

    // Makes the window one of the game's main screens: full screen or a
    // window, as the player chose, and following the choice when it changes.
    // Whenever its size changes, layOut() places its controls again.
    void placeMainScreen();
    // Where the desktop lets no program place its windows (Wayland), the
    // small windows of the game (the store, the inventory, the boxes) are
    // shown inside the main screen in view, centred over it, as the game
    // places them elsewhere; the rest of the screen takes no input meanwhile.
    // Tests switch it on for the offscreen platform.
    static bool smallWindowsInsideScreen();
    static void setSmallWindowsInsideScreen(std::optional<bool> inside);
    // Shown inside its main screen just now.
    bool insideScreen() const { return insideScreen_; }
    // The main screen shown last, while it is up: small windows stand over it.
    static Form* mainScreenInView();

    // The largest centred 4:3 area of the window, in its own coordinates:
    // where a main screen lays out its picture. Black shows around it.
    QRect stageRect() const;
    bool isMainScreen() const { return mainScreen_; }
    // Centres the window on the game's screen area (over the game's window
    // when the game is in a window), now and whenever it appears.
    void placeCentred();

signals:
    // The window is on its way to the screen: FormShow has run, nothing of
    // the window has reached the screen yet. A show transition starts here.
    void aboutToAppear();
    // The show is over: the window has been handed to the window system and
    // is on its way to the screen (unless a handler of the show hid it
    // again). A show transition plays its frames here, inside the window.
    // The window's activation waits until every handler is done.
    void appeared();

protected:
    // The window is about to appear.
    virtual void FormShow() {}
    // The window has become the active one.
    virtual void FormActivate() {}
    // While FormActivate runs: the player came back from another program,
    // rather than from another window of the game or the window's first
    // appearance.
    bool activatedFromAnotherProgram() const { return fromAnotherProgram_; }
    // A request to close: return false to refuse it.
    virtual bool FormCloseQuery() { return true; }
    // The window closes.
    virtual void FormClose() {}

    // A main screen places its controls for its present size.
    virtual void layOut() {}
    // The player chose another language: the texts given with
    // setTranslatedText have been put anew; what the window shows of its
    // own state (a step's instruction, a name) it shows anew here.
    virtual void languageChanged() {}

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void followWindowMode();
    static bool activationMayNotCome();
    // The main screen shown last: small windows stand over it.
    static QPointer<Form>& screenInView();
    void enterScreen(Form* screen);
    void leaveScreen();
    void activateUnasked();
    void activated();

    int modalRuns_ = 0;
    bool mainScreen_ = false;
    QSize laidOutFor_;
    bool fromAnotherProgram_ = false;
    bool shownSinceActivation_ = true;
    bool closingWithoutQuery_ = false;
    // Activated by the game itself; the desktop's first activation is it.
    bool activatedUnasked_ = false;
    bool insideScreen_ = false;
    // Between the window's show and the end of appeared(): an activation
    // meanwhile is held until then.
    bool appearing_ = false;
    bool activationHeld_ = false;
    int shows_ = 0;
    bool centred_ = false;
    bool namedByTitle_ = false;
    Qt::WindowFlags ownFlags_;
    QPointer<Form> hostScreen_;
    QObject* guard_ = nullptr; // the screen under the window takes no input
};

} // namespace platform
