// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Making runs of the working's document: words, numbers, names and
// operators, and texts with their blanks filled.

#include "report/texts.h"
#include "report/working_document.h"

#include <initializer_list>
#include <variant>

namespace cramer {

Run textRun(const QString& text);
Run operatorRun(const char* text);
// An operator between blanks, as a "/" between two numbers.
Run looseOperatorRun(const char* text);
Run nameRun(char letter, int index);
Run numberRun(const WrittenNumber& number);

Runs& operator<<(Runs& runs, const Run& run);
Runs& operator<<(Runs& runs, const Runs& more);
Runs operator<<(Runs&& runs, const Run& run);
Runs operator<<(Runs&& runs, const Runs& more);

// An index as subscript digits: 12 is "₁₂".
QString subscriptDigits(int index);

// A name with its index as a template's argument: d₁, x₂ ("d%1" in a
// template would read the 1 as plain digits in any language).
Runs indexedName(char letter, int index);

// A template's argument: a number written as digits, or runs of its own.
using Argument = std::variant<int, Runs>;

// One of the texts' templates, translated, with its %1, %2, … filled.
Runs filled(texts::Text text, std::initializer_list<Argument> arguments);
// The same with a count: its plural form chosen and written for %n.
Runs filled(texts::CountedText text, int count, std::initializer_list<Argument> arguments);

} // namespace cramer
