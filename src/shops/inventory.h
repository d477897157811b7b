#pragma once

// The inventory view: what the party owns, fifteen lines a page.

#include "platform/form.h"

class QPushButton;

class TInventory : public platform::Form {
    Q_OBJECT

public:
    explicit TInventory(QWidget* parent = nullptr);

    QPushButton* Close1;

    void Close1Click();
};
