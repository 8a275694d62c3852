// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace cramer {

namespace {

qint64 hiddenArea(const QRect& window, const QRect& keep)
{
    const QRect hidden = window.intersected(keep);
    return hidden.isEmpty() ? 0 : qint64(hidden.width()) * hidden.height();
}

} // namespace

void placeBeside(QWidget* window, const QWidget* form, const QRect& keep)
{
    const QWidget* formWindow = form->window();
    const QScreen* screen = formWindow->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = formWindow->frameGeometry();
    // Within the screen, by the window's frame as it is shown.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->resize(std::min(window->width(), room.width() - frame.width()),
        std::min(window->height(), room.height() - frame.height()));
    const int width = window->frameGeometry().width();
    const int height = window->frameGeometry().height();
    const int right = room.right() - beside.right();
    const int left = beside.left() - room.left();
    const int y = std::clamp(beside.top(), room.top(), room.bottom() + 1 - height);
    int x = 0;
    if (right >= width) {
        x = beside.right() + 1;
    } else if (left >= width) {
        x = beside.left() - width;
    } else {
        const int atRight = room.right() + 1 - width;
        const qint64 hiddenAtRight = hiddenArea({ atRight, y, width, height }, keep);
        const qint64 hiddenAtLeft = hiddenArea({ room.left(), y, width, height }, keep);
        x = hiddenAtRight < hiddenAtLeft || (hiddenAtRight == hiddenAtLeft && right >= left) ? atRight
                                                                                             : room.left();
    }
    window->move(x, y);
}

} // namespace cramer
