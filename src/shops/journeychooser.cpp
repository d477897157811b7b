#include "journeychooser.h"

#include "platform/dialoginsidescreen.h"
#include "platform/errorreport.h"
#include "shell/journeysave.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* addButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role,
                       const QString& name)
{
    QPushButton* button = box.addButton(text, role);
    button->setObjectName(name);
    return button;
}

// Whether the party is sure to let the journey saved under its name go.
bool lettingGoIsSure(QWidget* parent, const journey::Listing& saved)
{
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("StartAnewQuestion"));
    question.setWindowTitle(QStringLiteral("Kelvarin"));
    question.setIcon(QMessageBox::Warning);
    const QString whose =
        saved.party.isEmpty()
            ? QCoreApplication::translate("JourneyChooser", "the journey")
            : QCoreApplication::translate("JourneyChooser", "the journey of \"%1\"")
                  .arg(saved.party);
    const QString where =
        saved.ended
            ? QCoreApplication::translate("JourneyChooser", "a journey that came to the end")
            : QCoreApplication::translate("JourneyChooser", "%1, town %2")
                  .arg(saved.townName)
                  .arg(saved.town);
    question.setText(
        QCoreApplication::translate("JourneyChooser",
                                    "A new journey takes the place of %1 (%2) when your party "
                                    "reaches the next town, and that one cannot be gone on "
                                    "with again.  Start a new journey?")
            .arg(whose, where));
    QPushButton* replace =
        addButton(question, QCoreApplication::translate("JourneyChooser", "Start a New Journey"),
                  QMessageBox::DestructiveRole, QStringLiteral("ReplaceSaved"));
    QPushButton* keep =
        addButton(question, QCoreApplication::translate("JourneyChooser", "Keep the Saved Journey"),
                  QMessageBox::RejectRole, QStringLiteral("KeepSaved"));
    question.setDefaultButton(keep);
    question.setEscapeButton(keep);
    platform::DialogInsideScreen placed(question);
    question.exec();
    return question.clickedButton() == replace;
}

bool removingIsSure(QWidget* parent, const journey::Listing& journey)
{
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("RemoveQuestion"));
    question.setWindowTitle(QStringLiteral("Kelvarin"));
    question.setIcon(QMessageBox::Warning);
    question.setText(
        QCoreApplication::translate("JourneyChooser",
                                    "Remove the journey \"%1\" from this computer?  It cannot "
                                    "be brought back.")
            .arg(journey::listingLine(journey)));
    QPushButton* remove =
        addButton(question, QCoreApplication::translate("JourneyChooser", "Remove the Journey"),
                  QMessageBox::DestructiveRole, QStringLiteral("RemoveSure"));
    QPushButton* keep =
        addButton(question, QCoreApplication::translate("JourneyChooser", "Keep It"),
                  QMessageBox::RejectRole, QStringLiteral("KeepJourney"));
    question.setDefaultButton(keep);
    question.setEscapeButton(keep);
    platform::DialogInsideScreen placed(question);
    question.exec();
    return question.clickedButton() == remove;
}

// The new party's name; nothing when the party went back to the list. An
// empty name is a journey without a name, as a single player has.
std::optional<QString> askPartyName(QWidget* parent)
{
    QDialog box(parent);
    box.setObjectName(QStringLiteral("PartyNameQuestion"));
    box.setWindowTitle(QStringLiteral("Kelvarin"));
    auto* layout = new QVBoxLayout(&box);
    auto* label =
        new QLabel(QCoreApplication::translate("JourneyChooser",
                                               "Whose journey is this?  Type your party's name: "
                                               "your names, or your table's.  Leave it empty for "
                                               "a journey without a name."),
                   &box);
    label->setWordWrap(true);
    auto* name = new QLineEdit(&box);
    name->setObjectName(QStringLiteral("PartyName"));
    name->setAccessibleName(
        QCoreApplication::translate("JourneyChooser", "Whose journey is this?"));
    name->setPlaceholderText(QCoreApplication::translate("JourneyChooser", "Room 12, table 3"));
    name->setMaxLength(journey::LongestPartyName);
    label->setBuddy(name);
    auto* buttons = new QDialogButtonBox(&box);
    QPushButton* start =
        buttons->addButton(QCoreApplication::translate("JourneyChooser", "Start the Journey"),
                           QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("StartJourney"));
    start->setDefault(true);
    QPushButton* back = buttons->addButton(QCoreApplication::translate("JourneyChooser", "Back"),
                                           QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("Back"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(name);
    layout->addWidget(buttons);
    box.resize(460, box.sizeHint().height());
    name->setFocus();
    platform::DialogInsideScreen placed(box);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    // Blanks around the name, or a control character pasted in, are not
    // part of it.
    QString typed = name->text().simplified();
    return journey::isPartyName(typed) ? typed : QString();
}

// The list of journeys, with the three ways on.
class Chooser : public QDialog {
public:
    enum class Answer { GoOn, Remove, StartAnew };

    Chooser(QWidget* parent, const QList<journey::Listing>& journeys) : QDialog(parent)
    {
        setObjectName(QStringLiteral("JourneyChooser"));
        setWindowTitle(QStringLiteral("Kelvarin"));
        auto* layout = new QVBoxLayout(this);
        auto* heading =
            new QLabel(QCoreApplication::translate("JourneyChooser",
                                                   "Whose journey is this?  These journeys are "
                                                   "saved on this computer.  Choose yours to go "
                                                   "on with it, or start a new one."),
                       this);
        heading->setWordWrap(true);
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("Journeys"));
        list_->setAccessibleName(
            QCoreApplication::translate("JourneyChooser", "Journeys on this computer"));
        heading->setBuddy(list_);
        for (const journey::Listing& journey : journeys) {
            auto* item = new QListWidgetItem(journey::listingLine(journey), list_);
            if (journey.damaged)
                item->setToolTip(journey.problem);
        }
        auto* buttons = new QDialogButtonBox(this);
        goOn_ = buttons->addButton(
            QCoreApplication::translate("JourneyChooser", "Go On with the Journey"),
            QDialogButtonBox::AcceptRole);
        goOn_->setObjectName(QStringLiteral("GoOn"));
        remove_ = buttons->addButton(
            QCoreApplication::translate("JourneyChooser", "Remove the Journey..."),
            QDialogButtonBox::ActionRole);
        remove_->setObjectName(QStringLiteral("RemoveJourney"));
        QPushButton* anew =
            buttons->addButton(QCoreApplication::translate("JourneyChooser", "Start a New Journey"),
                               QDialogButtonBox::ActionRole);
        anew->setObjectName(QStringLiteral("StartAnew"));
        connect(goOn_, &QPushButton::clicked, this, [this] { finish(Answer::GoOn); });
        connect(remove_, &QPushButton::clicked, this, [this] { finish(Answer::Remove); });
        connect(anew, &QPushButton::clicked, this, [this] { finish(Answer::StartAnew); });
        connect(list_, &QListWidget::currentRowChanged, this, [this, journeys](int row) {
            const bool whole = row >= 0 && row < journeys.size() && !journeys.at(row).damaged;
            goOn_->setEnabled(whole);
            goOn_->setDefault(whole);
            remove_->setEnabled(row >= 0);
        });
        connect(list_, &QListWidget::itemActivated, this, [this] {
            if (goOn_->isEnabled())
                finish(Answer::GoOn);
        });
        layout->addWidget(heading);
        layout->addWidget(list_);
        layout->addWidget(buttons);
        resize(620, 360);

        // The last saved journey that opens is chosen: Escape goes on with it.
        const auto whole = std::find_if(journeys.begin(), journeys.end(),
                                        [](const journey::Listing& j) { return !j.damaged; });
        list_->setCurrentRow(whole == journeys.end() ? 0 : int(whole - journeys.begin()));
        if (whole == journeys.end())
            goOn_->setEnabled(false);
        list_->setFocus();
    }

    Answer answer() const { return answer_; }
    int row() const { return list_->currentRow(); }

    // Escape, or closing the box, never lets a journey go.
    void reject() override { finish(goOn_->isEnabled() ? Answer::GoOn : Answer::StartAnew); }

private:
    void finish(Answer answer)
    {
        answer_ = answer;
        QDialog::accept();
    }

    QListWidget* list_;
    QPushButton* goOn_;
    QPushButton* remove_;
    Answer answer_ = Answer::GoOn;
};

} // namespace

JourneyChoice chooseJourney(QWidget* parent, QList<journey::Listing> journeys)
{
    for (;;) {
        Chooser chooser(parent, journeys);
        platform::DialogInsideScreen placed(chooser);
        chooser.exec();
        const int row = chooser.row();
        const bool chosen = row >= 0 && row < journeys.size();
        switch (chooser.answer()) {
        case Chooser::Answer::GoOn:
            if (chosen && !journeys.at(row).damaged)
                return {true, journeys.at(row).file, journeys.at(row).party};
            break;
        case Chooser::Answer::Remove:
            if (chosen && removingIsSure(parent, journeys.at(row))) {
                const QString file = journeys.at(row).file;
                if (!QFile::remove(file) && QFileInfo::exists(file))
                    platform::reportError(
                        QCoreApplication::translate(
                            "JourneyChooser",
                            "The journey could not be removed: %1 cannot be deleted.")
                            .arg(QFileInfo(file).fileName()));
                else
                    journeys.removeAt(row);
            }
            break;
        case Chooser::Answer::StartAnew: {
            const std::optional<QString> name = askPartyName(parent);
            if (!name)
                break;
            const QString slot = journey::partySlotFile(*name);
            const auto saved =
                std::find_if(journeys.begin(), journeys.end(),
                             [&](const journey::Listing& j) { return j.file == slot; });
            // A damaged journey is set aside at the next save, never written
            // over, so it is not let go.
            if (saved == journeys.end() || saved->damaged || lettingGoIsSure(parent, *saved))
                return {false, QString(), *name};
            break;
        }
        }
    }
}
