// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's commands, made in one way for every capability and opened or
// closed in one place: a command is enabled when its owner has something for
// it to do and no message box of the form is open, so that nothing starts
// while a command of the form waits for its box.

#include "report/texts.h"
#include "window/form/message_boxes.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace cramer {

class CommandGate : public QObject {
    Q_OBJECT
public:
    // `boxes` must outlive the gate.
    CommandGate(MessageBoxes& boxes, QWidget* window);

    // The boxes the form is given: `boxes`, with every command closed while
    // one is open.
    MessageBoxes& formBoxes() { return formBoxes_; }

    // A command owned by `owner`, its shortcut working wherever the focus
    // is in the window.
    QAction* add(QObject* owner, texts::Text text, const QKeySequence& shortcut, std::function<void()> run);
    // The same with a text that is no translated one (a language's own name).
    QAction* add(QObject* owner, const QString& text, const QKeySequence& shortcut, std::function<void()> run);
    // Whether the command's owner has something for it to do now.
    void setWanted(QAction* command, bool wanted);

private:
    class ClosingBoxes : public MessageBoxes {
    public:
        ClosingBoxes(MessageBoxes& boxes, CommandGate& gate)
            : boxes_(boxes)
            , gate_(gate)
        {
        }
        void inform(QWidget* parent, const QString& title, const QString& text,
            const QString& description = {}) override;
        bool ask(QWidget* parent, const QString& title, const QString& text) override;
        SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& text) override;
        QString askName(
            QWidget* parent, const QString& title, const QString& text, const QStringList& known) override;

    private:
        MessageBoxes& boxes_;
        CommandGate& gate_;
    };
    struct Command {
        QPointer<QAction> action;
        bool wanted = true;
    };
    void setBoxOpen(bool open);
    void apply(const Command& command) const;

    QWidget* window_;
    ClosingBoxes formBoxes_;
    int openBoxes_ = 0; // boxes of the form open, one in another's handler too
    std::vector<Command> commands_;
};

} // namespace cramer
