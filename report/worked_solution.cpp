// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/worked_solution.h"

#include "report/texts.h"

#include <QStringBuilder>

#include <algorithm>

namespace cramer {
namespace {

using texts::qtText;

// The texts the window showed for one solve.
struct ShownTexts {
    struct Determinant {
        int index = 0;
        std::vector<QStringList> matrix;
        QString value;
    };
    struct ResultRow {
        QString numerator;
        QString determinant;
        QString solution;
    };
    std::vector<QStringList> system; // as typed, trimmed
    std::vector<Determinant> determinants;
    std::vector<ResultRow> results;
};

ShownTexts shownTexts(const WorkedSolution& solution)
{
    const SolveRecord& record = solution.record;
    ShownTexts shown;
    for (int row = 1; row <= record.n; ++row) {
        QStringList& equation = shown.system.emplace_back();
        for (int column = 1; column <= record.n + 1; ++column)
            equation << QString::fromStdString(record.text(row, column)).trimmed();
    }
    for (const DeterminantRecord& determinant : record.determinants) {
        ShownTexts::Determinant& entry = shown.determinants.emplace_back();
        entry.index = determinant.index;
        for (int row = 1; row <= record.n; ++row) {
            QStringList& cells = entry.matrix.emplace_back();
            for (int column = 1; column <= record.n; ++column)
                cells << solution.number(determinant.trace.start.at(row, column));
        }
        entry.value = solution.number(determinant.trace.value);
    }
    for (std::size_t i = 0; i < record.shownSolutions.size(); ++i) {
        shown.results.push_back({ solution.number(record.shownNumerators[i]),
            solution.number(record.shownDeterminant), solution.number(record.shownSolutions[i]) });
    }
    return shown;
}

// The coefficient texts of one equation joined by their signs: "2·x1 - 3·x2".
// `unknown` writes the product of a coefficient and x_j.
template <typename Unknown> QString leftSide(const QStringList& equation, Unknown unknown)
{
    QString side;
    int j = 0;
    for (const EquationTerm& term : equationTerms(equation)) {
        if (!term.sign.isEmpty())
            side += QLatin1Char(' ') % term.sign % QLatin1Char(' ');
        side += unknown(term.coefficient, ++j);
    }
    return side;
}

} // namespace

WorkedSolution::WorkedSolution(SolveRecord solve)
    : record(std::move(solve))
{
}

const ExactWorking& WorkedSolution::exact() const
{
    if (!exact_)
        exact_ = computeExactWorking(record);
    return *exact_;
}

QString WorkedSolution::number(float value) const
{
    return QString::fromStdString(formatSingle(value, record.locale));
}

std::vector<qsizetype> columnWidths(const std::vector<QStringList>& rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList& row : rows) {
        widths.resize(std::max(widths.size(), static_cast<std::size_t>(row.size())));
        for (qsizetype j = 0; j < row.size(); ++j)
            widths[j] = std::max(widths[j], row[j].size());
    }
    return widths;
}

QString determinantName(int index, const char* indexFormat)
{
    return index == 0 ? QStringLiteral("d") : QLatin1Char('d') + QString::fromLatin1(indexFormat).arg(index);
}

std::vector<EquationTerm> equationTerms(const QStringList& equation)
{
    std::vector<EquationTerm> terms;
    for (qsizetype j = 0; j + 1 < equation.size(); ++j) {
        QString coefficient = equation[j];
        QString sign;
        if (j > 0) {
            const bool negative = coefficient.startsWith(QLatin1Char('-'));
            if (negative || coefficient.startsWith(QLatin1Char('+')))
                coefficient.remove(0, 1);
            sign = negative ? QStringLiteral("-") : QStringLiteral("+");
        }
        terms.push_back({ sign, coefficient.trimmed() });
    }
    return terms;
}

QString outdatedNote(const WorkedSolution& solution)
{
    return solution.outdated ? qtText(texts::kOutdatedSolution) : QString();
}

QString solutionAsPlainText(const WorkedSolution& worked)
{
    const ShownTexts solution = shownTexts(worked);
    QString text = worked.outdated ? outdatedNote(worked) % QStringLiteral("\n\n") : QString();
    text += qtText(texts::kSolutionSystemHeading) % QLatin1Char('\n');
    for (const QStringList& equation : solution.system) {
        text += leftSide(equation,
                    [](const QString& a, int j) -> QString { return a % QStringLiteral("·x%1").arg(j); })
            % QStringLiteral(" = ") % equation.last() % QLatin1Char('\n');
    }

    text += QLatin1Char('\n') % qtText(texts::kSolutionDeterminantsHeading) % QLatin1Char('\n');
    for (const ShownTexts::Determinant& determinant : solution.determinants) {
        // The name and the value stand beside the middle row.
        const QString name = determinantName(determinant.index, "%1") % QStringLiteral(" = ");
        const std::vector<qsizetype> widths = columnWidths(determinant.matrix);
        const std::size_t middle = (determinant.matrix.size() - 1) / 2;
        for (std::size_t i = 0; i < determinant.matrix.size(); ++i) {
            QStringList cells;
            for (qsizetype j = 0; j < determinant.matrix[i].size(); ++j)
                cells << determinant.matrix[i][j].rightJustified(widths[j]);
            text += (i == middle ? name : QString(name.size(), QLatin1Char(' '))) % QStringLiteral("| ")
                % cells.join(QStringLiteral("  ")) % QStringLiteral(" |");
            if (i == middle)
                text += QStringLiteral(" = ") % determinant.value;
            text += QLatin1Char('\n');
        }
        text += QLatin1Char('\n');
    }

    text += qtText(texts::kSolutionResultsHeading) % QLatin1Char('\n');
    for (std::size_t i = 0; i < solution.results.size(); ++i) {
        const ShownTexts::ResultRow& row = solution.results[i];
        text += QStringLiteral("x%1 = d%1/d = ").arg(i + 1) % row.numerator % QStringLiteral(" / ")
            % row.determinant % QStringLiteral(" = ") % row.solution % QLatin1Char('\n');
    }
    return text;
}

QString solutionAsHtml(const WorkedSolution& worked)
{
    const ShownTexts solution = shownTexts(worked);
    // Spacing by table attributes, which word processors keep when pasting;
    // the determinant's bars are the borders of its outer columns.
    const QString table = QStringLiteral("<table cellpadding=\"6\" cellspacing=\"0\">\n");
    const QString tableEnd = QStringLiteral("</table>\n<p>&nbsp;</p>\n");
    auto cell = [](const QString& content, const QString& attributes = {}) -> QString {
        return QStringLiteral("<td%1>").arg(attributes) % content % QStringLiteral("</td>");
    };
    auto number = [&cell](const QString& text, const char* style = nullptr) -> QString {
        QString attributes = QStringLiteral(" align=\"right\"");
        if (style)
            attributes += QStringLiteral(" style=\"%1\"").arg(QLatin1String(style));
        return cell(text.toHtmlEscaped(), attributes);
    };
    auto heading = [](const char* text) -> QString {
        return QStringLiteral("<h3>") % qtText(text) % QStringLiteral("</h3>\n");
    };

    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n");
    if (worked.outdated)
        html
            += QStringLiteral("<p><b>") % outdatedNote(worked).toHtmlEscaped() % QStringLiteral("</b></p>\n");
    html += heading(texts::kSolutionSystemHeading) % table;
    for (const QStringList& equation : solution.system) {
        html += QStringLiteral("<tr>");
        int j = 0;
        for (const EquationTerm& term : equationTerms(equation)) {
            if (!term.sign.isEmpty())
                html += cell(term.sign);
            html += number(term.coefficient) % cell(QStringLiteral("x<sub>%1</sub>").arg(++j));
        }
        html += cell(QStringLiteral("=")) % number(equation.last()) % QStringLiteral("</tr>\n");
    }
    html += tableEnd % heading(texts::kSolutionDeterminantsHeading);

    for (const ShownTexts::Determinant& determinant : solution.determinants) {
        const QString name = determinantName(determinant.index, "<sub>%1</sub>");
        const int rows = static_cast<int>(determinant.matrix.size());
        const QString besideMatrix = QStringLiteral(" rowspan=\"%1\"").arg(rows);
        html += table;
        for (int i = 0; i < rows; ++i) {
            html += QStringLiteral("<tr>");
            if (i == 0)
                html += cell(name + QStringLiteral(" ="), besideMatrix);
            const QStringList& row = determinant.matrix[static_cast<std::size_t>(i)];
            for (qsizetype j = 0; j < row.size(); ++j) {
                const char* bar = j == 0  ? "border-left:2px solid black"
                    : j + 1 == row.size() ? "border-right:2px solid black"
                                          : nullptr;
                html += number(row[j], bar);
            }
            if (i == 0)
                html += cell(QStringLiteral("= ") + determinant.value.toHtmlEscaped(), besideMatrix);
            html += QStringLiteral("</tr>\n");
        }
        html += tableEnd;
    }

    html += heading(texts::kSolutionResultsHeading) % table;
    for (std::size_t i = 0; i < solution.results.size(); ++i) {
        const ShownTexts::ResultRow& row = solution.results[i];
        html += QStringLiteral("<tr>")
            % cell(QStringLiteral("x<sub>%1</sub> = d<sub>%1</sub>/d =").arg(i + 1)) % number(row.numerator)
            % cell(QStringLiteral("/")) % number(row.determinant) % cell(QStringLiteral("="))
            % number(row.solution) % QStringLiteral("</tr>\n");
    }
    return html + tableEnd + QStringLiteral("</body></html>\n");
}

QString solutionAsLatex(const WorkedSolution& worked)
{
    const ShownTexts solution = shownTexts(worked);
    // A decimal comma in braces keeps LaTeX from spacing it as punctuation;
    // digit groups get a thin space.
    auto number = [](QString text) {
        text.replace(QLatin1Char(','), QStringLiteral("{,}"));
        for (QChar blank : { QChar(' '), QChar(0x00A0), QChar(0x202F) })
            text.replace(blank, QStringLiteral("\\,"));
        // 4,044753E+09 as 4{,}044753 \cdot 10^{9}.
        if (const qsizetype e = text.indexOf(QLatin1Char('E')); e >= 0)
            text = text.left(e) % QStringLiteral(" \\cdot 10^{") % QString::number(text.mid(e + 1).toInt())
                % QLatin1Char('}');
        return text;
    };

    QString latex
        = worked.outdated ? QStringLiteral("% ") % outdatedNote(worked) % QLatin1Char('\n') : QString();
    latex += QStringLiteral("% ") % qtText(texts::kSolutionSystemHeading)
        % QStringLiteral("\n\\[\n\\begin{cases}\n");
    QStringList equations;
    for (const QStringList& equation : solution.system) {
        equations << leftSide(equation,
                         [&number](const QString& a, int j) -> QString {
                             return number(a) % QStringLiteral(" \\cdot x_{%1}").arg(j);
                         })
                % QStringLiteral(" = ") % number(equation.last());
    }
    latex += equations.join(QStringLiteral(" \\\\\n")) % QStringLiteral("\n\\end{cases}\n\\]\n");

    latex += QStringLiteral("% ") % qtText(texts::kSolutionDeterminantsHeading) % QLatin1Char('\n');
    for (const ShownTexts::Determinant& determinant : solution.determinants) {
        QStringList rows;
        for (const QStringList& row : determinant.matrix) {
            QStringList cells;
            for (const QString& text : row)
                cells << number(text);
            rows << cells.join(QStringLiteral(" & "));
        }
        const QString name = determinantName(determinant.index, "_{%1}");
        latex += QStringLiteral("\\[\n") % name % QStringLiteral(" = \\begin{vmatrix}\n")
            % rows.join(QStringLiteral(" \\\\\n")) % QStringLiteral("\n\\end{vmatrix} = ")
            % number(determinant.value) % QStringLiteral("\n\\]\n");
    }

    latex += QStringLiteral("% ") % qtText(texts::kSolutionResultsHeading)
        % QStringLiteral("\n\\begin{align*}\n");
    QStringList results;
    for (std::size_t i = 0; i < solution.results.size(); ++i) {
        const ShownTexts::ResultRow& row = solution.results[i];
        results << QStringLiteral("x_{%1} &= \\frac{d_{%1}}{d} = \\frac{").arg(i + 1) % number(row.numerator)
                % QStringLiteral("}{") % number(row.determinant) % QStringLiteral("} = ")
                % number(row.solution);
    }
    return latex + results.join(QStringLiteral(" \\\\\n")) + QStringLiteral("\n\\end{align*}\n");
}

} // namespace cramer
