#include "application.h"

#include "platform/form.h"

#include <QApplication>

void Application::Terminate()
{
    Terminated = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<platform::Form*>(window); form && form->inModalRun())
            form->endModalRun();
    }
    QCoreApplication::quit();
}

Application& App()
{
    static Application application;
    return application;
}

void resetApplication()
{
    App() = Application{};
}
