#include "errorcapture.h"

ErrorCapture::ErrorCapture()
    : previous_(platform::setErrorSink([this](const QString& message) { messages << message; }))
{
}

ErrorCapture::~ErrorCapture()
{
    platform::setErrorSink(previous_);
}
