// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/message_boxes.h"

#include "report/texts.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
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

void ModalMessageBoxes::inform(
    QWidget* parent, const QString& title, const QString& text, const QString& description)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setIcon(QIcon()); // a plain "OK", like the rest of the window
    box.setAccessibleDescription(description);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    run(box, parent);
}

bool ModalMessageBoxes::ask(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(texts::qtText(texts::kAnswerYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(texts::qtText(texts::kAnswerNo), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    run(box, parent);
    return box.clickedButton() == yes;
}

QString ModalMessageBoxes::askName(
    QWidget* parent, const QString& title, const QString& text, const QStringList& known)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setComboBoxItems(known);
    dialog.setComboBoxEditable(true);
    dialog.setTextValue(known.isEmpty() ? QString() : known.front());
    // What is typed stays as typed: „Мария“ never completes into „Мария 🎓“.
    if (auto* names = dialog.findChild<QComboBox*>())
        names->setCompleter(nullptr);
    dialog.setFont(zoomedDesktopFont(zoom()));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().simplified();
}

MessageBoxes::SaveAnswer ModalMessageBoxes::askToSave(
    QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(texts::qtText(texts::kAnswerSave), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(texts::qtText(texts::kAnswerDiscard), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(texts::qtText(texts::kAnswerCancel), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    run(box, parent);
    return box.clickedButton() == save   ? SaveAnswer::Save
        : box.clickedButton() == discard ? SaveAnswer::Discard
                                         : SaveAnswer::Cancel;
}

void ModalMessageBoxes::run(QMessageBox& box, QWidget* parent)
{
    // Where the keyboard was: it goes back there when the box closes,
    // whichever window the window manager would activate next (another of
    // the program's windows, such as the working beside the form).
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const QPointer<QWidget> window = parent ? parent->window() : QApplication::activeWindow();
    box.setWindowModality(Qt::ApplicationModal);
    if (zoom() != 1.0)
        box.setFont(zoomedDesktopFont(zoom()));
    box.exec();
    if (window && window->isVisible())
        window->activateWindow();
    if (focused && focused->window() == window)
        focused->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace cramer
