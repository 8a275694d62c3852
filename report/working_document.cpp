// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_document.h"

#include "report/solve_messages.h"
#include "report/texts.h"

#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace cramer {
namespace {

using texts::qtText;
using Kind = WorkingBlock::Kind;

constexpr std::size_t kProductsInSarrus = 6;
struct SarrusTerm {
    std::array<int, 3> columns; // of rows 1, 2, 3
    bool negative;
};
constexpr std::array<SarrusTerm, kProductsInSarrus> kSarrus { {
    { { 1, 2, 3 }, false },
    { { 2, 3, 1 }, false },
    { { 3, 1, 2 }, false },
    { { 3, 2, 1 }, true },
    { { 1, 3, 2 }, true },
    { { 2, 1, 3 }, true },
} };

// A negative number in parentheses, where it follows an operator.
QString wrapped(const QString& number)
{
    return number.startsWith(QLatin1Char('-')) ? QLatin1Char('(') % number % QLatin1Char(')') : number;
}

class Builder {
public:
    explicit Builder(const WorkedSolution& solution)
        : solution_(solution)
        , record_(solution.record)
        , exact_(solution.exact())
        , point_(QString::fromStdString(solution.record.locale.decimal))
        , haveExact_(!exact_.tooLong)
    {
    }

    WorkingDocument build()
    {
        if (solution_.outdated)
            verdict(outdatedNote(solution_));
        system();
        for (std::size_t i = 0; i < record_.determinants.size(); ++i)
            determinant(record_.determinants[i],
                haveExact_ && i < exact_.determinants.size() ? &exact_.determinants[i] : nullptr);
        if (const std::optional<OverflowError>& overflow = record_.outcome.overflow)
            verdict(overflowMessage(*overflow, single(std::numeric_limits<float>::max()))
                        .section(QLatin1Char('\n'), 0, 0));
        if (record_.outcome.status == SolveStatus::Solved) {
            unknowns();
            if (haveExact_)
                check();
        }
        verdicts();
        return std::move(document_);
    }

private:
    void add(Kind kind, const QString& text) { document_.push_back({ kind, text, {}, 0, false }); }
    void heading(const char* text) { add(Kind::Heading, qtText(text)); }
    void heading(const QString& text) { add(Kind::Heading, text); }
    void paragraph(const QString& text) { add(Kind::Paragraph, text); }
    void verdict(const QString& text) { add(Kind::Verdict, text); }
    void matrix(const QString& name, const SquareBlock& block, int marked, bool bars)
    {
        WorkingBlock entry { Kind::Matrix, name, {}, marked, bars };
        for (int row = 1; row <= block.n; ++row) {
            QStringList& cells = entry.rows.emplace_back();
            for (int column = 1; column <= block.n; ++column)
                cells << single(block.at(row, column));
        }
        document_.push_back(std::move(entry));
    }

    // A value beyond the range as IEEE writes it, not in the program's own English.
    QString single(float value) const
    {
        if (std::isinf(value))
            return value < 0 ? QStringLiteral("−∞") : QStringLiteral("∞");
        return solution_.number(value);
    }
    QString exactDecimal(const Rational& value) const
    {
        return QString::fromStdString(value.decimal(point_.toStdString()));
    }
    // An integer alone; otherwise the fraction in lowest terms and its decimal.
    QString exactValue(const Rational& value) const
    {
        const QString fraction = QString::fromStdString(value.fraction());
        return value.isInteger() ? fraction : fraction % QStringLiteral(" = ") % exactDecimal(value);
    }
    // The shortest text that reads back as this very single; "0", never "-0".
    QString shortest(float value) const
    {
        if (value == 0.0f)
            return QStringLiteral("0");
        std::array<char, 48> buffer {};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
        return localised(QString::fromLatin1(buffer.data(), end - buffer.data()));
    }
    QString localised(QString text) const
    {
        text.replace(QLatin1Char('.'), point_);
        text.replace(QLatin1Char('e'), QLatin1Char('E'));
        return text;
    }
    QString withDigits(double value, int digits) const
    {
        std::array<char, 48> buffer {};
        const auto end = std::to_chars(
            buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits)
                             .ptr;
        return localised(QString::fromLatin1(buffer.data(), end - buffer.data()));
    }
    QString place(int row, int column) const { return cellPlace(row, column, record_.n); }
    const Rational& typed(int row, int column) const { return exact_.typedValue(record_.n, row, column); }
    QString typedText(int row, int column) const
    {
        return QString::fromStdString(record_.text(row, column)).trimmed();
    }

    void system()
    {
        heading(texts::kWorkingSystemHeading);
        const int n = record_.n;
        for (int row = 1; row <= n; ++row) {
            QStringList equation;
            for (int column = 1; column <= n + 1; ++column)
                equation << typedText(row, column);
            QString line;
            int j = 0;
            for (const EquationTerm& term : equationTerms(equation)) {
                if (!term.sign.isEmpty())
                    line += QLatin1Char(' ') % term.sign % QLatin1Char(' ');
                line += term.coefficient % QStringLiteral("·x%1").arg(++j);
            }
            paragraph(line % QStringLiteral(" = ") % equation.last());
        }
        if (!haveExact_) {
            const auto [row, column, belowSingles] = *exact_.tooLong;
            paragraph(belowSingles
                    ? qtText(texts::kWorkingBelowSingles)
                          .arg(
                              place(row, column), typedText(row, column), single(record_.system[row][column]))
                    : qtText(texts::kWorkingTooLong).arg(place(row, column), typedText(row, column)));
            return;
        }
        bool allExact = true;
        for (int row = 1; row <= n; ++row) {
            for (int column = 1; column <= n + 1; ++column) {
                const float stored = record_.system[row][column];
                if (Rational::fromSingle(stored) == typed(row, column))
                    continue;
                allExact = false;
                paragraph(qtText(texts::kWorkingStored)
                              .arg(typedText(row, column), place(row, column),
                                  withDigits(static_cast<double>(stored), 15)));
            }
        }
        if (allExact)
            paragraph(qtText(texts::kWorkingStoredAsTyped));
    }

    void determinant(const DeterminantRecord& entry, const ValueError* exact)
    {
        const int n = record_.n;
        const QString name = determinantName(entry.index, "%1");
        heading(entry.index == 0 ? qtText(texts::kWorkingMainHeading)
                                 : qtText(texts::kWorkingNumeratorHeading).arg(entry.index));
        matrix(name % QStringLiteral(" ="), entry.trace.start, entry.index, true);
        if (exact && (n == 2 || n == 3))
            closedForm(entry.index, name);
        elimination(entry.trace);
        if (entry.trace.status != DetStatus::Ok)
            return; // the value left the range: nothing was announced
        paragraph(qtText(texts::kWorkingAnnounced).arg(name, single(entry.trace.value)));
        if (exact) {
            paragraph(qtText(texts::kWorkingExact).arg(name, exactValue(exact->exact)));
            errorLine(*exact);
        }
    }

    // The textbook formula with the typed numbers, computed exactly.
    void closedForm(int index, const QString& name)
    {
        const int n = record_.n;
        auto element = [&](int row, int column) -> const Rational& {
            return typed(row, column == index ? n + 1 : column);
        };
        QStringList factors;
        QStringList products;
        Rational sum;
        auto term = [&](bool negative, std::initializer_list<std::array<int, 2>> cells) {
            QStringList written;
            Rational product(1);
            for (const auto& [row, column] : cells) {
                written << wrapped(exactDecimal(element(row, column)));
                product *= element(row, column);
            }
            const QString sign = negative ? QStringLiteral(" − ") : QStringLiteral(" + ");
            const bool first = factors.isEmpty();
            factors << (first ? QString() : sign) % written.join(QStringLiteral("·"));
            products << (first ? QString() : sign) % wrapped(exactDecimal(product));
            sum = negative ? sum - product : sum + product;
        };
        if (n == 2) {
            paragraph(qtText(texts::kWorkingCross));
            term(false, { { 1, 1 }, { 2, 2 } });
            term(true, { { 1, 2 }, { 2, 1 } });
        } else {
            paragraph(qtText(texts::kWorkingSarrus));
            for (const SarrusTerm& entry : kSarrus)
                term(entry.negative,
                    { { 1, entry.columns[0] }, { 2, entry.columns[1] }, { 3, entry.columns[2] } });
        }
        paragraph(name % QStringLiteral(" = ") % factors.join(QString()) % QStringLiteral(" = ")
            % products.join(QString()) % QStringLiteral(" = ") % exactDecimal(sum));
    }

    void elimination(const EliminationTrace& trace)
    {
        paragraph(qtText(texts::kWorkingElimination));
        for (const EliminationStep& step : trace.steps) {
            const int k = step.column;
            for (int row : step.exchangedWith)
                paragraph(qtText(texts::kWorkingExchange).arg(k).arg(row));
            if (trace.pivotSearchFailed && &step == &trace.steps.back()) {
                paragraph(qtText(texts::kWorkingNoPivot).arg(k));
                return;
            }
            paragraph(qtText(texts::kWorkingPivot)
                          .arg(QString::number(k), single(step.pivot), single(step.productAfterPivot)));
            QStringList factors;
            for (std::size_t i = 0; i < step.factors.size(); ++i)
                factors << qtText(texts::kWorkingFactor)
                               .arg(QString::number(k + 1 + static_cast<int>(i)), single(step.factors[i]));
            paragraph(
                qtText(texts::kWorkingFactors).arg(QString::number(k), factors.join(QStringLiteral("; "))));
            paragraph(qtText(texts::kWorkingAfterColumn).arg(k));
            matrix(QString(), step.cleared, 0, false);
        }
        const int n = record_.n;
        if (trace.diagonalProducts.size() == static_cast<std::size_t>(n) && !trace.steps.empty()) {
            const QString product = single(trace.diagonalProducts[static_cast<std::size_t>(n - 2)]);
            const QString last = wrapped(single(trace.steps.back().cleared.at(n, n)));
            const float value = trace.diagonalProducts.back();
            paragraph(std::isfinite(value)
                    ? qtText(texts::kWorkingFinalProduct).arg(product, last, single(value))
                    : qtText(texts::kWorkingFinalProductOverflow).arg(product, last));
        }
    }

    // Absolute, relative, and how many singles from the nearest one; of an
    // exact 0, the absolute error alone.
    void errorLine(const ValueError& error)
    {
        const QString absolute = withDigits(error.absolute.toDouble(), 3);
        if (!error.relative) {
            paragraph(qtText(texts::kWorkingErrorOfZero).arg(shortest(error.single), absolute));
            return;
        }
        const QString rounding = error.correctlyRounded
            ? qtText(texts::kWorkingCorrectlyRounded)
            : qtText(texts::kWorkingNotCorrectlyRounded)
                  .arg(shortest(error.exact.nearestSingle()),
                      texts::counted(static_cast<int>(std::min<std::int64_t>(error.steps, INT32_MAX)),
                          texts::kOneStep, texts::kSteps));
        // "1,8, точно 1,8" would read as no error at all: the single then
        // with the nine digits that tell it from its exact value.
        const QString exact = exactDecimal(error.exact);
        QString single = shortest(error.single);
        if (single == exact && !error.absolute.isZero())
            single = withDigits(static_cast<double>(error.single), 9);
        paragraph(qtText(texts::kWorkingError)
                      .arg(single, exact, absolute, withDigits(*error.relative, 3), rounding));
    }

    void unknowns()
    {
        heading(texts::kWorkingUnknownsHeading);
        const bool exactSolution = haveExact_ && exact_.verdict == ExactVerdict::OneSolution;
        for (std::size_t i = 0; i < record_.quotients.size(); ++i) {
            const int unknown = static_cast<int>(i) + 1;
            if (exactSolution)
                paragraph(qtText(texts::kWorkingSolution)
                              .arg(QString::number(unknown), exactValue(exact_.solution[i])));
            paragraph(qtText(texts::kWorkingSolutionSingle)
                          .arg(QString::number(unknown), shortest(record_.quotients[i]),
                              single(record_.shownSolutions[i])));
            if (exactSolution)
                errorLine(exact_.quotients[i]);
        }
    }

    void check()
    {
        heading(texts::kWorkingCheckHeading);
        paragraph(qtText(texts::kWorkingCheckIntro));
        for (std::size_t i = 0; i < exact_.residuals.size(); ++i) {
            const Residual& residual = exact_.residuals[i];
            const QString equation = QString::number(i + 1);
            const QString exact = exactDecimal(residual.exact);
            paragraph(std::isfinite(residual.single)
                    ? qtText(texts::kWorkingResidual).arg(equation, single(residual.single), exact)
                    : qtText(texts::kWorkingResidualOutOfRange).arg(equation, exact));
        }
    }

    void verdicts()
    {
        if (!haveExact_)
            return;
        heading(texts::kWorkingVerdictHeading);
        // Where the method gave no x_i, the exact ones.
        const bool noResults = record_.outcome.status != SolveStatus::Solved;
        if (noResults && !exact_.determinant.isZero()) {
            verdict(exact_.disagreement == Disagreement::ZeroOnlyInSingle
                    ? qtText(texts::kVerdictZeroOnlyInSingle).arg(exactValue(exact_.determinant))
                    : qtText(texts::kVerdictOneSolution));
            for (std::size_t i = 0; i < exact_.solution.size(); ++i)
                paragraph(QStringLiteral("x%1 = ").arg(i + 1) % exactValue(exact_.solution[i]));
            return;
        }
        if (!exact_.determinant.isZero()) {
            verdict(qtText(texts::kVerdictOneSolution));
            return;
        }
        if (exact_.disagreement == Disagreement::ZeroOnlyExactly)
            verdict(
                qtText(texts::kVerdictZeroOnlyExactly).arg(single(record_.determinants.front().trace.value)));
        paragraph(qtText(texts::kVerdictRanks).arg(exact_.rank).arg(exact_.augmentedRank));
        if (exact_.verdict == ExactVerdict::NoSolution) {
            verdict(qtText(texts::kVerdictNoSolution));
            return;
        }
        verdict(qtText(texts::kVerdictInfinitelyMany).arg(record_.n));
        generalSolution();
    }

    void generalSolution()
    {
        const GeneralSolution& general = exact_.general;
        QStringList parameters;
        for (std::size_t p = 0; p < general.freeUnknowns.size(); ++p)
            parameters << QStringLiteral("t%1").arg(p + 1);
        for (std::size_t j = 0; j < general.constants.size(); ++j) {
            QString right;
            for (qsizetype p = 0; p < parameters.size(); ++p) {
                const Rational& coefficient = general.coefficients[j][static_cast<std::size_t>(p)];
                if (coefficient.isZero())
                    continue;
                const bool negative = coefficient.sign() < 0;
                const QString magnitude = QString::fromStdString(coefficient.abs().fraction());
                if (!right.isEmpty())
                    right += negative ? QStringLiteral(" − ") : QStringLiteral(" + ");
                else if (negative)
                    right += QStringLiteral("−");
                right += (magnitude == QStringLiteral("1") ? QString() : magnitude % QStringLiteral("·"))
                    % parameters[p];
            }
            const Rational& constant = general.constants[j];
            if (!constant.isZero() || right.isEmpty()) {
                const QString value = QString::fromStdString(constant.fraction());
                if (right.isEmpty())
                    right = value;
                else
                    right = value
                        % (right.startsWith(QStringLiteral("−")) ? QStringLiteral(" − ") % right.mid(1)
                                                                 : QStringLiteral(" + ") % right);
            }
            paragraph(QStringLiteral("x%1 = ").arg(j + 1) % right);
        }
        const QString names = parameters.size() == 1
            ? parameters.front()
            : parameters.mid(0, parameters.size() - 1).join(QStringLiteral(", ")) % qtText(texts::kWorkingAnd)
                % parameters.back();
        paragraph(
            qtText(parameters.size() == 1 ? texts::kVerdictParameter : texts::kVerdictParameters).arg(names));
    }

    const WorkedSolution& solution_;
    const SolveRecord& record_;
    const ExactWorking& exact_;
    const QString point_;
    const bool haveExact_;
    WorkingDocument document_;
};

} // namespace

WorkingDocument workingDocument(const WorkedSolution& solution) { return Builder(solution).build(); }

QString workingAsHtml(const WorkingDocument& document)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>")
        % qtText(texts::kWorkingTitle) % QStringLiteral("</title></head><body>\n<h2>")
        % qtText(texts::kWorkingTitle) % QStringLiteral("</h2>\n");
    for (const WorkingBlock& block : document) {
        switch (block.kind) {
        case Kind::Heading:
            html += QStringLiteral("<h3>") % block.text.toHtmlEscaped() % QStringLiteral("</h3>\n");
            break;
        case Kind::Paragraph:
            html += QStringLiteral("<p>") % block.text.toHtmlEscaped() % QStringLiteral("</p>\n");
            break;
        case Kind::Verdict:
            html += QStringLiteral("<p><b>") % block.text.toHtmlEscaped() % QStringLiteral("</b></p>\n");
            break;
        case Kind::Matrix: {
            html += QStringLiteral("<table cellpadding=\"4\" cellspacing=\"0\">\n");
            const int rows = static_cast<int>(block.rows.size());
            for (int i = 0; i < rows; ++i) {
                html += QStringLiteral("<tr>");
                if (i == 0 && !block.text.isEmpty())
                    html += QStringLiteral("<td rowspan=\"%1\" valign=\"middle\">").arg(rows)
                        % block.text.toHtmlEscaped() % QStringLiteral("</td>");
                const QStringList& row = block.rows[static_cast<std::size_t>(i)];
                for (qsizetype j = 0; j < row.size(); ++j) {
                    QString attributes = QStringLiteral(" align=\"right\"");
                    if (j + 1 == block.markedColumn)
                        attributes += QStringLiteral(" bgcolor=\"#fff0a0\"");
                    if (block.bars && j == 0)
                        attributes += QStringLiteral(" style=\"border-left:2px solid black\"");
                    else if (block.bars && j + 1 == row.size())
                        attributes += QStringLiteral(" style=\"border-right:2px solid black\"");
                    html += QStringLiteral("<td%1>").arg(attributes) % row[j].toHtmlEscaped()
                        % QStringLiteral("</td>");
                }
                html += QStringLiteral("</tr>\n");
            }
            html += QStringLiteral("</table>\n");
            break;
        }
        }
    }
    return html + QStringLiteral("</body></html>\n");
}

QString workingAsPlainText(const WorkingDocument& document)
{
    QString text = qtText(texts::kWorkingTitle) % QLatin1Char('\n');
    for (const WorkingBlock& block : document) {
        switch (block.kind) {
        case Kind::Heading:
            text += QLatin1Char('\n') % block.text % QLatin1Char('\n')
                % QString(block.text.size(), QLatin1Char('-')) % QLatin1Char('\n');
            break;
        case Kind::Paragraph:
        case Kind::Verdict:
            text += block.text % QLatin1Char('\n');
            break;
        case Kind::Matrix: {
            const std::vector<qsizetype> widths = columnWidths(block.rows);
            const std::size_t middle = (block.rows.size() - 1) / 2;
            const QString name = block.text.isEmpty() ? QString() : block.text % QLatin1Char(' ');
            const QString bar = block.bars ? QStringLiteral("|") : QString();
            for (std::size_t i = 0; i < block.rows.size(); ++i) {
                QStringList cells;
                for (qsizetype j = 0; j < block.rows[i].size(); ++j)
                    cells << block.rows[i][j].rightJustified(widths[static_cast<std::size_t>(j)]);
                text += QStringLiteral("    ") % (i == middle ? name : QString(name.size(), QLatin1Char(' ')))
                    % bar % QLatin1Char(' ') % cells.join(QStringLiteral("  ")) % QLatin1Char(' ') % bar
                    % QLatin1Char('\n');
            }
            break;
        }
        }
    }
    return text;
}

QString verdictAsPlainText(const WorkingDocument& document)
{
    const QString heading = qtText(texts::kWorkingVerdictHeading);
    const auto start = std::find_if(document.begin(), document.end(), [&heading](const WorkingBlock& block) {
        return block.kind == Kind::Heading && block.text == heading;
    });
    return start == document.end()
        ? QString()
        : workingAsPlainText(WorkingDocument(start + 1, document.end())).section(QLatin1Char('\n'), 1);
}

namespace {

QString latexText(const QString& text)
{
    QString escaped;
    for (const QChar character : text) {
        switch (character.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\textbackslash{}");
            break;
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            escaped += QLatin1Char('\\') + character;
            break;
        case '~':
            escaped += QStringLiteral("\\textasciitilde{}");
            break;
        case '^':
            escaped += QStringLiteral("\\textasciicircum{}");
            break;
        case 0x00B7: // ·
            escaped += QStringLiteral("$\\cdot$");
            break;
        case 0x2212: // −
            escaped += QStringLiteral("$-$");
            break;
        case 0x2026: // …
            escaped += QStringLiteral("\\ldots{}");
            break;
        case 0x201E: // „
            escaped += QStringLiteral(",,");
            break;
        case 0x201C: // “
            escaped += QStringLiteral("``");
            break;
        case 0x00A0:
            escaped += QLatin1Char('~');
            break;
        default:
            escaped += character;
        }
    }
    return escaped;
}

} // namespace

QString workingAsLatex(const WorkingDocument& document)
{
    QString latex = QStringLiteral("\\documentclass[a4paper]{article}\n\\usepackage[utf8]{inputenc}\n"
                                   "\\usepackage[T2A]{fontenc}\n\\usepackage[bulgarian]{babel}\n"
                                   "\\usepackage{amsmath}\n\\begin{document}\n\\section*{")
        % latexText(qtText(texts::kWorkingTitle)) % QStringLiteral("}\n");
    for (const WorkingBlock& block : document) {
        switch (block.kind) {
        case Kind::Heading:
            latex += QStringLiteral("\n\\subsection*{") % latexText(block.text) % QStringLiteral("}\n");
            break;
        case Kind::Paragraph:
            latex += latexText(block.text) % QStringLiteral("\n\n");
            break;
        case Kind::Verdict:
            latex += QStringLiteral("\\textbf{") % latexText(block.text) % QStringLiteral("}\n\n");
            break;
        case Kind::Matrix: {
            QStringList rows;
            for (const QStringList& row : block.rows) {
                QStringList cells;
                for (qsizetype j = 0; j < row.size(); ++j) {
                    QString cell = QString(row[j]).replace(QLatin1Char(','), QStringLiteral("{,}"));
                    if (const qsizetype e = cell.indexOf(QLatin1Char('E')); e >= 0)
                        cell = cell.left(e) % QStringLiteral(" \\cdot 10^{")
                            % QString::number(cell.mid(e + 1).toInt()) % QLatin1Char('}');
                    cells << (j + 1 == block.markedColumn
                            ? QStringLiteral("\\boxed{") % cell % QLatin1Char('}')
                            : cell);
                }
                rows << cells.join(QStringLiteral(" & "));
            }
            const QString kind = block.bars ? QStringLiteral("vmatrix") : QStringLiteral("matrix");
            const QString name = block.text.isEmpty() ? QString() : latexText(block.text) % QLatin1Char(' ');
            latex += QStringLiteral("\\[\n") % name % QStringLiteral("\\begin{") % kind
                % QStringLiteral("}\n") % rows.join(QStringLiteral(" \\\\\n")) % QStringLiteral("\n\\end{")
                % kind % QStringLiteral("}\n\\]\n");
            break;
        }
        }
    }
    return latex + QStringLiteral("\\end{document}\n");
}

} // namespace cramer
