// The push button that starts the upgrade; the window sets it up.
#pragma once

#include <QPushButton>

class InstallButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
};
