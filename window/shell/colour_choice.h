// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Контрастни цветове" in the view menu: the form in the contrast colour set
// for projectors and low vision, or in the specified colours (the default).
// Remembered between starts; a desktop that asks for high contrast gets the
// contrast set at first start.

#include <QObject>

class QAction;
class QWidget;

namespace cramer {

class CommandGate;
class Form1;

class ColourChoice : public QObject {
    Q_OBJECT
public:
    ColourChoice(Form1& form, QWidget& area, CommandGate& gate, QObject* parent);

    QAction* contrastAction() const { return contrast_; }
    void setContrast(bool on);

private:
    Form1& form_;
    QWidget& area_;
    QAction* contrast_ = nullptr;
};

// GTK_THEME names a high-contrast theme (HighContrast, HighContrastInverse).
bool desktopAsksForHighContrast();

} // namespace cramer
