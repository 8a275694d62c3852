// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Printing through the desktop's print dialog, which lives in a module
// loaded when the user first prints, so that no start loads Qt's printing
// support.

#include <QCoreApplication>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace cramer {

using PaintPages = std::function<void(QPagedPaintDevice&)>;

// Where the modules of the program in `programDirectory` are, installed or
// in a build, which lays them out alike.
QString moduleDirectory(const QString& programDirectory);

// Asks for a printer and, if the user chooses one, has `paint` print on it.
// Empty when printed or cancelled; otherwise why the dialog could not be
// opened (the module in `directory` could not be loaded).
QString printWithDialog(QWidget* parent, const QString& documentName, const PaintPages& paint,
    const QString& directory = moduleDirectory(QCoreApplication::applicationDirPath()));

} // namespace cramer
