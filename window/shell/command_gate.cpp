// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/command_gate.h"

#include "report/texts.h"

#include <QAction>
#include <QWidget>

#include <algorithm>

namespace cramer {

CommandGate::CommandGate(MessageBoxes& boxes, QWidget* window)
    : QObject(window)
    , window_(window)
    , formBoxes_(boxes, *this)
{
}

void CommandGate::ClosingBoxes::inform(
    QWidget* parent, const QString& title, const QString& text, const QString& description)
{
    gate_.setBoxOpen(true);
    boxes_.inform(parent, title, text, description);
    gate_.setBoxOpen(false);
}

bool CommandGate::ClosingBoxes::ask(QWidget* parent, const QString& title, const QString& text)
{
    gate_.setBoxOpen(true);
    const bool yes = boxes_.ask(parent, title, text);
    gate_.setBoxOpen(false);
    return yes;
}

QString CommandGate::ClosingBoxes::askName(
    QWidget* parent, const QString& title, const QString& text, const QStringList& known)
{
    gate_.setBoxOpen(true);
    const QString name = boxes_.askName(parent, title, text, known);
    gate_.setBoxOpen(false);
    return name;
}

MessageBoxes::SaveAnswer CommandGate::ClosingBoxes::askToSave(
    QWidget* parent, const QString& title, const QString& text)
{
    gate_.setBoxOpen(true);
    const SaveAnswer answer = boxes_.askToSave(parent, title, text);
    gate_.setBoxOpen(false);
    return answer;
}

QAction* CommandGate::add(
    QObject* owner, texts::Text text, const QKeySequence& shortcut, std::function<void()> run)
{
    return add(owner, texts::qtText(text), shortcut, std::move(run));
}

QAction* CommandGate::add(
    QObject* owner, const QString& text, const QKeySequence& shortcut, std::function<void()> run)
{
    auto* action = new QAction(text, owner);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, owner, std::move(run));
    window_->addAction(action);
    commands_.push_back({ action, true });
    apply(commands_.back());
    return action;
}

void CommandGate::setWanted(QAction* command, bool wanted)
{
    const auto found = std::find_if(commands_.begin(), commands_.end(),
        [command](const Command& entry) { return entry.action == command; });
    if (found == commands_.end())
        return;
    found->wanted = wanted;
    apply(*found);
}

void CommandGate::setBoxOpen(bool open)
{
    openBoxes_ += open ? 1 : -1;
    for (const Command& command : commands_)
        apply(command);
}

void CommandGate::apply(const Command& command) const
{
    if (command.action)
        command.action->setEnabled(command.wanted && openBoxes_ == 0);
}

} // namespace cramer
