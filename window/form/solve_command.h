// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The solve command: the Cramer sequence shown step by step in the form
// (the form as the sequence's display), and the messages for input it
// cannot use.

#include "solver/cramer_sequence.h"

namespace cramer {

class Form1;
class MessageBoxes;

class SolveCommand {
public:
    // `form` and `boxes` must outlive the command.
    SolveCommand(Form1& form, MessageBoxes& boxes);

    // Reads the grid at store.SystemSize and runs the sequence, each step
    // shown in the form; the record of the solve, its outcome included.
    SolveRecord run(SystemStore& store, const NumberLocale& locale);
    // Says which cell of a system of n unknowns holds no number and puts
    // the keyboard there.
    void reportBadCell(const CellError& error, int n, const NumberLocale& locale);
    void reportOverflow(const OverflowError& error, const NumberLocale& locale);

private:
    Form1& form_;
    MessageBoxes& boxes_;
};

} // namespace cramer
