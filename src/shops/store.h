#pragma once

// The store window, "Purchase Items", used by the flea market and by the
// trading posts on the trail.

#include "platform/form.h"

class QLabel;
class QPushButton;

class TStore : public platform::Form {
    Q_OBJECT

public:
    explicit TStore(QWidget* parent = nullptr);

    QLabel* ym1;    // the party's money, whole dollars
    QPushButton* Cancel;

    void CancelClick();
};
