// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QMessageBox;
class QWidget;

namespace cramer {

// Modal messages with a title, a text and a single OK button, and questions
// answered yes or no. The window talks to this interface so that tests can
// answer the boxes themselves.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns once the user has confirmed. `description` tells a screen
    // reader what the box is about where the text alone does not.
    virtual void inform(
        QWidget* parent, const QString& title, const QString& text, const QString& description = {})
        = 0;
    // Asks `text`; returns whether the answer is yes. No is the default, so
    // that Enter or Escape keeps things as they are.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;
    // Asks whether to save before something is lost; Cancel is the default.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& text) = 0;
    // Asks for a name, offering `known` ones; empty when cancelled.
    virtual QString askName(
        QWidget* parent, const QString& title, const QString& text, const QStringList& known)
        = 0;

    // The form's zoom, which the boxes' texts follow.
    void setZoom(double factor) { zoom_ = factor; }
    double zoom() const { return zoom_; }

private:
    double zoom_ = 1.0;
};

// The desktop's font at `zoom`: for the windows and boxes beside the form.
QFont zoomedDesktopFont(double zoom);

// Real application-modal QMessageBox: no icon, OK only; Enter and Escape
// close it like OK.
class ModalMessageBoxes : public MessageBoxes {
public:
    void inform(
        QWidget* parent, const QString& title, const QString& text, const QString& description = {}) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
    SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& text) override;
    QString askName(
        QWidget* parent, const QString& title, const QString& text, const QStringList& known) override;

private:
    // Shows `box`, then gives the keyboard back to where it was.
    void run(QMessageBox& box, QWidget* parent);
};

} // namespace cramer
