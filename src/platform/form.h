#pragma once

// A window of the game: the trail screen, the store, the about box and the
// rest. Each is shown modally by its opener, asks before it closes where the
// game says so, and enters its event handlers through the error guard.

#include <QDialog>

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

    // Covers the game's full-screen area (the largest centred 4:3 area).
    void placeFullScreen();
    // Centres the window on the game's screen area.
    void placeCentred();

signals:
    // The window is on its way to the screen: FormShow has run, nothing of
    // the window has reached the screen yet. A show transition starts here.
    void aboutToAppear();

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

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    int modalRuns_ = 0;
    bool fromAnotherProgram_ = false;
    bool shownSinceActivation_ = true;
    bool closingWithoutQuery_ = false;
};

} // namespace platform
