#pragma once

// The program's entry sequence: the black backdrop, the intro, the flea
// market and then the trail, each run modally in turn. The start-up code
// tells it whether the player quit at the flea market.

namespace platform {
class Form;
}

class EntrySequence {
public:
    virtual ~EntrySequence() = default;

    // Runs the whole program; returns its exit code.
    int run();

protected:
    // Shows a screen modally until it closes. Tests replace this to play a
    // screen's part without showing it.
    virtual void runModal(platform::Form& form);
    // The application's message loop.
    virtual void enterMessageLoop();

private:
    void steps();
    void freeScreens();
};
