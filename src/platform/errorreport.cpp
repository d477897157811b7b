#include "errorreport.h"

#include "dialoginsidescreen.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace platform {

namespace {

ErrorSink& installedSink()
{
    static ErrorSink sink;
    return sink;
}

QWidget* messageOwner()
{
    // The black backdrop is disabled; a box owned by it would be disabled too.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* active = QApplication::activeWindow();
    return active && active->isEnabled() ? active : nullptr;
}

} // namespace

void raise(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

ErrorSink setErrorSink(ErrorSink sink)
{
    return std::exchange(installedSink(), std::move(sink));
}

void reportError(const QString& message)
{
    if (installedSink()) {
        installedSink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, messageOwner());
    DialogInsideScreen placed(box);
    box.exec();
}

} // namespace platform
