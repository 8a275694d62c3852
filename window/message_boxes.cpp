// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/message_boxes.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace cramer {

QFont zoomedDesktopFont(double zoom)
{
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * zoom + 0.5)));
    return font;
}

void ModalMessageBoxes::inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setIcon(QIcon()); // a plain "OK", like the rest of the window

    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (zoom() != 1.0)
        box.setFont(zoomedDesktopFont(zoom()));
    box.exec();
}

} // namespace cramer
