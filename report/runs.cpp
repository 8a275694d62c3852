// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/runs.h"

#include "report/texts.h"

namespace cramer {

using texts::qtText;

QString subscriptDigits(int index)
{
    QString digits;
    for (const QChar digit : QString::number(index))
        digits += QChar(u'₀' + digit.digitValue());
    return digits;
}

Run textRun(const QString& text) { return { Run::Kind::Text, text, {}, {}, 0 }; }
Run operatorRun(const char* text) { return { Run::Kind::Operator, QString::fromUtf8(text), {}, {}, 0 }; }
Run looseOperatorRun(const char* text)
{
    Run run = operatorRun(text);
    run.loose = true;
    return run;
}
Run nameRun(char letter, int index)
{
    return { Run::Kind::Name, QString(QLatin1Char(letter)), {}, {}, index };
}
Runs indexedName(char letter, int index) { return { nameRun(letter, index) }; }
Run numberRun(const WrittenNumber& number) { return { Run::Kind::Number, {}, number, {}, 0 }; }

Runs& operator<<(Runs& runs, const Run& run)
{
    runs.push_back(run);
    return runs;
}
Runs& operator<<(Runs& runs, const Runs& more)
{
    runs.insert(runs.end(), more.begin(), more.end());
    return runs;
}
Runs operator<<(Runs&& runs, const Run& run) { return std::move(runs << run); }
Runs operator<<(Runs&& runs, const Runs& more) { return std::move(runs << more); }

namespace {

Runs filledPattern(const QString& pattern, std::initializer_list<Argument> arguments)
{
    Runs runs;
    QString pending;
    auto flush = [&] {
        if (!pending.isEmpty())
            runs << textRun(pending);
        pending.clear();
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int slot
            = i + 1 < pattern.size() && pattern[i] == QLatin1Char('%') ? pattern[i + 1].digitValue() : -1;
        if (slot < 1 || slot > static_cast<int>(arguments.size())) {
            pending += pattern[i];
            continue;
        }
        ++i;
        const Argument& argument = *(arguments.begin() + (slot - 1));
        if (const int* count = std::get_if<int>(&argument)) {
            pending += QString::number(*count);
        } else {
            flush();
            runs << std::get<Runs>(argument);
        }
    }
    flush();
    return runs;
}

} // namespace

Runs filled(texts::Text text, std::initializer_list<Argument> arguments)
{
    return filledPattern(qtText(text), arguments);
}

Runs filled(texts::CountedText text, int count, std::initializer_list<Argument> arguments)
{
    return filledPattern(qtText(text, count), arguments);
}

} // namespace cramer
