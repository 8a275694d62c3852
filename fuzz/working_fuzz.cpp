// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the whole worked solution of arbitrary systems of size 2 … 9 in
// each of its plain forms and checks them against their limits: the text
// within 80 columns, the LaTeX made only of characters pdflatex sets in the
// document's encodings; and, for one input in eight, the typeset pages'
// plan passes the check that stands before the printer.

#include "report/working_document.h"
#include "report/working_forms.h"
#include "report/working_typeset.h"
#include "solver/cramer_sequence.h"

#include <QGuiApplication>
#include <QString>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace cramer;

void require(bool condition, const char* what, const QString& text)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s\n%s\n", what, qPrintable(text));
    std::abort();
}

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    unsigned next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A typed number: one of the limits, or digits with a point and an exponent.
std::string numberFrom(Bytes& bytes)
{
    static const char* const kLimits[] { "0", "-0", "1", "1E-45", "-1.4E-45", "3.4028235E+38",
        "1.17549435E-38", "16777217", "0.1", "1E+38" };
    const unsigned kind = bytes.next();
    if (kind % 4 == 0)
        return kLimits[(kind / 4) % std::size(kLimits)];
    std::string text = kind & 0x80 ? "-" : "";
    const unsigned digits = 1 + bytes.next() % 12;
    const unsigned point = bytes.next() % (digits + 1);
    for (unsigned i = 0; i < digits; ++i) {
        if (i == point && i > 0)
            text += '.';
        text += static_cast<char>('0' + bytes.next() % 10);
    }
    if (kind & 0x40)
        text += "E" + std::to_string(static_cast<int>(bytes.next() % 80) - 45);
    return text;
}

bool settable(QChar c)
{
    const char16_t code = c.unicode();
    return code < 0x80 || (code >= 0x0410 && code <= 0x044F) || code == u'Ё' || code == u'ё';
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Typesetting needs fonts, which need an application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    const int n = 2 + static_cast<int>(bytes.next() % 8);
    std::vector<std::string> texts;
    for (int cell = 0; cell < n * (n + 1); ++cell)
        texts.push_back(numberFrom(bytes));
    const NumberLocale locale = bytes.next() % 2 ? NumberLocale { ".", "," } : NumberLocale { ",", "\u00A0" };
    SolveRecord record = solveQuietly(n, texts, locale);
    if (!record.reachedEnd())
        return 0;
    const WorkingDocument document = workingDocument(WorkedSolution(std::move(record)));

    const QString text = workingAsPlainText(document);
    for (const QString& line : text.split(QLatin1Char('\n')))
        require(line.size() <= kTextColumns, "a line of text over 80 columns", line);

    const QString latex = workingAsLatex(document);
    for (const QChar c : latex)
        require(settable(c), "a character pdflatex does not set", QString(c));

    workingAsHtml(document);

    if (bytes.next() % 8 == 0) {
        // A4 less 20 mm margins at 96 dpi, as the PDF lays it out.
        const TypesetPages pages { 642.5, 920.0 };
        QTextDocument typeset;
        typesetWorking(document, typeset, &pages);
        require(pagePlanHolds(typeset, pageSlices(typeset, pages.height), pages.height),
            "a page plan that fails its check", workingAsPlainText(document).left(400));
    }
    return 0;
}
