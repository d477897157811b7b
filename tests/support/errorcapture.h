#pragma once

// Collects the messages the game's error handler would show in a message box,
// for as long as it lives.

#include "platform/errorreport.h"

#include <QStringList>

class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    QStringList messages;

private:
    platform::ErrorSink previous_;
};
