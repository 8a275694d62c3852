// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's commands, made in one way for every capability and opened or
// closed in one place: a command is enabled when its owner has something for
// it to do and the form is not busy, so that nothing starts while a command
// of the form waits for its message box.

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace cramer {

class Form1;

class CommandGate : public QObject {
    Q_OBJECT
public:
    CommandGate(const Form1& form, QWidget* window);

    // A command owned by `owner`, its shortcut working wherever the focus
    // is in the window.
    QAction* add(QObject* owner, const char* text, const QKeySequence& shortcut, std::function<void()> run);
    // Whether the command's owner has something for it to do now.
    void setWanted(QAction* command, bool wanted);

private:
    struct Command {
        QPointer<QAction> action;
        bool wanted = true;
    };
    void setBusy(bool busy);
    void apply(const Command& command) const;

    QWidget* window_;
    bool busy_ = false;
    std::vector<Command> commands_;
};

} // namespace cramer
