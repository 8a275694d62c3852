// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Words a screen reader should speak when they appear, wherever the keyboard
// is: a verdict, a hint, the results of a solve. Qt has no announcement of
// its own, and a changed description of the focused field reaches Orca as an
// object instead of a text; a notification that shows itself is spoken.

#include <QWidget>

namespace cramer {

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Spoken once; the widget stays hidden, so nothing changes on screen.
    void announce(const QString& text);
    QString lastAnnouncement() const { return text_; }

private:
    QString text_;
};

} // namespace cramer
