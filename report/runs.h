// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Making runs of the working's document: words, numbers, names and
// operators, and texts with their blanks filled.

#include "report/working_document.h"

#include <initializer_list>
#include <variant>

namespace cramer {

Run textRun(const QString& text);
Run operatorRun(const char* text);
Run nameRun(char letter, int index);
Run numberRun(const WrittenNumber& number);

Runs& operator<<(Runs& runs, const Run& run);
Runs& operator<<(Runs& runs, const Runs& more);
Runs operator<<(Runs&& runs, const Run& run);
Runs operator<<(Runs&& runs, const Runs& more);

// An index as subscript digits: 12 is "₁₂".
QString subscriptDigits(int index);

// A template's argument: a count, which after a lone x, d, t or a becomes
// that name's index ("d%1" is d₁), or runs of its own.
using Argument = std::variant<int, Runs>;

// One of texts.h's templates with its %1, %2, … filled.
Runs filled(const char* text, std::initializer_list<Argument> arguments);

} // namespace cramer
