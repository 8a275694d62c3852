// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every command of the batch mode shares: its messages, its output
// and the numbers' locale.

#include "solver/number_text.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QCommandLineParser;

namespace cramer {

// "cramer: …" on standard error.
void complain(const QString& message);
// Standard output, or a file written as `writeFileAtomically` writes.
int deliver(const QByteArray& content, const QString& output, const NumberLocale& locale);
// Numbers as --locale names them, else as the environment does; nothing
// where --locale names no locale (said on standard error).
std::optional<NumberLocale> numberLocale(const QCommandLineParser& parser);

// --worksheet N: variants for a class, their key and worked solutions.
bool isWorksheetForm(const QString& format);
int writeWorksheet(const QCommandLineParser& parser, const QString& format);

} // namespace cramer
