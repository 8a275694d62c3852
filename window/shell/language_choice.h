// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Език" in the view menu: Bulgarian, as the form is written, or English.
// The choice is remembered and takes effect when the program next opens;
// --language overrides it for one start.

#include "report/language.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace cramer {

class CommandGate;
class MessageBoxes;

// The language chosen last in the menu; Bulgarian until one is.
Language rememberedLanguage();

class LanguageChoice : public QObject {
    Q_OBJECT
public:
    LanguageChoice(QWidget& window, MessageBoxes& boxes, CommandGate& gate, QObject* parent);

    // The submenu, one checked entry per language: the one speaking now.
    QMenu* menu() const { return menu_; }
    // Remembers `language` for the next start and says when it takes effect.
    void choose(Language language);

private:
    QWidget& window_;
    MessageBoxes& boxes_;
    QMenu* menu_ = nullptr;
};

} // namespace cramer
