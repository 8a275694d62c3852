// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Реши сам" in the "Решение" menu: opens a practice window on the system
// the grid holds, or says why it cannot, as "РЕШИ СИСТЕМАТА" would.

#include <QObject>

class QAction;
class QWidget;

namespace cramer {

class CommandGate;
class Exercises;
class Form1;
class MessageBoxes;
class PracticeWindow;

class Practice : public QObject {
    Q_OBJECT
public:
    Practice(Form1& form, MessageBoxes& boxes, CommandGate& gate, Exercises& exercises, QWidget* window);

    QAction* startAction() const { return start_; }
    // The window opened last, if any; for tests.
    PracticeWindow* window() const { return last_; }
    void start();

private:
    Form1& form_;
    MessageBoxes& boxes_;
    CommandGate& gate_;
    Exercises& exercises_;
    QWidget* window_;
    QAction* start_ = nullptr;
    PracticeWindow* last_ = nullptr;
};

} // namespace cramer
