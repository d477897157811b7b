#pragma once

// The application object: the start-up code that carries the outcome of the
// intro and the flea market to the entry sequence, the help file, and the
// request to end the program.

#include <QString>

#include <cstdint>

namespace StartCodes {
constexpr std::int32_t GoOn = 0;
constexpr std::int32_t SlowMachine = 1;
constexpr std::int32_t TrailEntered = 2;
constexpr std::int32_t Quit = 99;
} // namespace StartCodes

struct Application {
    std::int32_t StartCode = 0;
    QString Title;
    QString HelpFile;
    bool Terminated = false;

    // Ends the program: every window's modal run ends, and the message loop
    // is not entered (or is left).
    void Terminate();
};

Application& App();
// A fresh application object (tests only).
void resetApplication();
