// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/message_boxes.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace cramer {

void ModalMessageBoxes::inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setIcon(QIcon()); // a plain "OK", like the rest of the window

    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace cramer
