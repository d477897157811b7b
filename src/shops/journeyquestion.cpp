#include "journeyquestion.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QPushButton* addButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role,
                       const QString& name)
{
    QPushButton* button = box.addButton(text, role);
    button->setObjectName(name);
    return button;
}

bool goOnIsChosen(QWidget* parent, int town, const QString& townName)
{
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("GoOnQuestion"));
    question.setWindowTitle(QStringLiteral("Kelvarin"));
    question.setIcon(QMessageBox::Question);
    question.setText(QStringLiteral("Your party's last journey stopped in %1, town %2 of the "
                                    "trail.  Would you like to go on with it?")
                         .arg(townName)
                         .arg(town));
    QPushButton* goOn = addButton(question, QStringLiteral("Go On with the Journey"),
                                  QMessageBox::AcceptRole, QStringLiteral("GoOn"));
    QPushButton* anew = addButton(question, QStringLiteral("Start a New Journey"),
                                  QMessageBox::DestructiveRole, QStringLiteral("StartAnew"));
    question.setDefaultButton(goOn);
    // Escape skips the intro; pressed once too often here it must not throw
    // the journey away.
    question.setEscapeButton(goOn);
    question.exec();
    return question.clickedButton() != anew;
}

bool lettingGoIsSure(QWidget* parent, int town, const QString& townName)
{
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("StartAnewQuestion"));
    question.setWindowTitle(QStringLiteral("Kelvarin"));
    question.setIcon(QMessageBox::Warning);
    question.setText(QStringLiteral("A new journey takes the place of the one saved in %1, town "
                                    "%2, when your party reaches the next town, and that one "
                                    "cannot be gone on with again.  Start a new journey?")
                         .arg(townName)
                         .arg(town));
    QPushButton* replace = addButton(question, QStringLiteral("Start a New Journey"),
                                     QMessageBox::DestructiveRole, QStringLiteral("ReplaceSaved"));
    QPushButton* keep = addButton(question, QStringLiteral("Keep the Saved Journey"),
                                  QMessageBox::RejectRole, QStringLiteral("KeepSaved"));
    question.setDefaultButton(keep);
    question.setEscapeButton(keep);
    question.exec();
    return question.clickedButton() == replace;
}

} // namespace

SavedJourneyAnswer askAboutSavedJourney(QWidget* parent, int town, const QString& townName)
{
    // Keeping the saved journey asks the first question again.
    while (!goOnIsChosen(parent, town, townName)) {
        if (lettingGoIsSure(parent, town, townName))
            return SavedJourneyAnswer::StartAnew;
    }
    return SavedJourneyAnswer::GoOn;
}
