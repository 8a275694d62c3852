// SPDX-License-Identifier: GPL-3.0-or-later

// The working as a LaTeX document that pdflatex compiles as it stands:
// matrices in vmatrix, set smaller when wider than the text; formulas as
// inline mathematics, so lines break after = + − and never inside a number.

#include "report/figure.h"
#include "report/language.h"
#include "report/working_document.h"
#include "report/working_forms.h"

#include <QStringBuilder>

#include <iterator>

namespace cramer {
namespace {

// The language's font encoding and babel option come before the rest.
const char* const kPreambleStart = R"(\documentclass[a4paper,11pt]{article}
)";
const char* const kPreamble = R"(\usepackage{amsmath}
\usepackage{mathtools}
\usepackage{graphicx}
\usepackage[table]{xcolor}
\usepackage[margin=2cm]{geometry}
\setlength{\parindent}{0pt}
\setlength{\parskip}{0.6ex plus 0.3ex}
% Ragged right: a long number moves to the next line whole, and no blank
% between words is stretched to make up for it.
\raggedright
\definecolor{replaced}{HTML}{FFF0A0}
% A matrix at its own size, or scaled down to the line when it is wider.
\newsavebox{\workingbox}
\newcommand{\fitted}[1]{\sbox{\workingbox}{$\displaystyle #1$}%
  \ifdim\wd\workingbox>\linewidth\resizebox{\linewidth}{!}{\usebox{\workingbox}}\else\usebox{\workingbox}\fi}
\newcommand{\replaced}[1]{\colorbox{replaced}{$#1$}}
)";

int superscriptDigit(QChar character)
{
    switch (character.unicode()) {
    case 0x2070:
        return 0;
    case 0x00B9:
        return 1;
    case 0x00B2:
        return 2;
    case 0x00B3:
        return 3;
    default:
        return character.unicode() >= 0x2074 && character.unicode() <= 0x2079 ? character.unicode() - 0x2070
                                                                              : -1;
    }
}

// A sign the text may hold, as mathematics: "·" is \\cdot; nothing for
// any other character.
QString signInMath(QChar character)
{
    switch (character.unicode()) {
    case 0x00B7: // ·
        return QStringLiteral("\\cdot");
    case 0x00D7: // ×
        return QStringLiteral("\\times");
    case 0x2212: // −
        return QStringLiteral("-");
    case 0x2248: // ≈
        return QStringLiteral("\\approx");
    case '=':
    case '+':
    case '/':
        return QString(character);
    default:
        return {};
    }
}

// Text outside mathematics.
QString escaped(const QString& text)
{
    QString out;
    for (const QChar character : text) {
        switch (character.unicode()) {
        case '\\':
            out += QStringLiteral("\\textbackslash{}");
            break;
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            out += QLatin1Char('\\') + character;
            break;
        case '=': // signs that text sets as they are
        case '+':
        case '/':
            out += character;
            break;
        case '~':
            out += QStringLiteral("\\textasciitilde{}");
            break;
        case '^':
            out += QStringLiteral("\\textasciicircum{}");
            break;
        case 0x2026: // …
            out += QStringLiteral("\\ldots{}");
            break;
        case 0x2013: // –
            out += QStringLiteral("--");
            break;
        case 0x2014: // —
            out += QStringLiteral("---");
            break;
        case 0x201E: // „
            out += QStringLiteral(",,");
            break;
        case 0x201C: // “
            out += QStringLiteral("``");
            break;
        case 0x221E: // ∞
            out += QStringLiteral("$\\infty$");
            break;
        case 0x03BA: // κ
            out += QStringLiteral("$\\kappa$");
            break;
        case 0x2016: // ‖
            out += QStringLiteral("$\\|$");
            break;
        case 0x00A0:
            out += QLatin1Char('~');
            break;
        case 0x207B: // ⁻ of a power of ten written as text
            out += QStringLiteral("\\textsuperscript{$-$}");
            break;
        default:
            if (const QString sign = signInMath(character); !sign.isEmpty())
                out += QLatin1Char('$') % sign % QLatin1Char('$');
            else if (const int digit = superscriptDigit(character); digit >= 0)
                out += QStringLiteral("\\textsuperscript{%1}").arg(digit);
            else
                out += character;
        }
    }
    return out;
}

// Digits in mathematics: a decimal comma that is not punctuation, digit
// groups and the signs a typed number may hold.
QString digits(const QString& text)
{
    QString out;
    for (const QChar character : text) {
        if (character.isDigit() || character == QLatin1Char('.') || character == QLatin1Char('(')
            || character == QLatin1Char(')'))
            out += character;
        else if (character == QLatin1Char(','))
            out += QStringLiteral("{,}");
        else if (character == QChar(0x2026))
            out += QStringLiteral("\\ldots");
        else if (character == QChar(0x202F)) // between groups of digits, where a long number may break
            out += QStringLiteral("\\,\\allowbreak ");
        else if (character.isSpace() || character == QChar(0x00A0))
            out += QStringLiteral("\\,");
        else if (character == QChar(0x2212) || character == QLatin1Char('-'))
            out += QLatin1Char('-');
        else
            out += QStringLiteral("\\text{") % escaped(QString(character)) % QLatin1Char('}');
    }
    return out;
}

QString number(const WrittenNumber& value)
{
    QString math = value.negative ? QStringLiteral("-") : QString();
    if (value.infinite)
        return math + QStringLiteral("\\infty");
    if (const auto [start, end] = value.markedDigits(); start != end)
        math += digits(value.digits.left(start)) % QStringLiteral("\\mathbf{")
            % digits(value.digits.sliced(start, end - start)) % QLatin1Char('}')
            % digits(value.digits.mid(end));
    else
        math += digits(value.digits);
    if (value.scaled)
        math += QStringLiteral(" \\cdot 10^{%1}").arg(value.exponent);
    return value.parenthesized ? QStringLiteral("\\left(") % math % QStringLiteral("\\right)") : math;
}

QString mathOf(const Run& run)
{
    switch (run.kind) {
    case Run::Kind::Number:
        return number(run.number);
    case Run::Kind::Name:
        return run.index == 0 ? run.text : run.text % QStringLiteral("_{%1}").arg(run.index);
    case Run::Kind::Fraction:
        return (run.number.negative ? QStringLiteral("-") : QString()) % QStringLiteral("\\frac{")
            % digits(run.number.digits) % QStringLiteral("}{") % digits(run.denominator) % QLatin1Char('}');
    case Run::Kind::Operator:
        if (run.text == QStringLiteral("·"))
            return QStringLiteral(" \\cdot ");
        if (run.text == QStringLiteral("−"))
            return QStringLiteral(" - ");
        if (run.text == QStringLiteral("/"))
            return run.loose ? QStringLiteral(" \\,/\\, ") : run.text;
        if (run.text == QStringLiteral("≈"))
            return QStringLiteral(" \\approx ");
        return QLatin1Char(' ') % run.text % QLatin1Char(' ');
    case Run::Kind::Text:
        break;
    }
    return {};
}

// Blanks and signs between two pieces of mathematics, as a template writes
// them (" · ", " = "), belong to the formula, one math run.
QString joiningMath(const QString& text)
{
    QString math;
    for (const QChar character : text) {
        if (character == QLatin1Char(' '))
            continue;
        const QString sign = signInMath(character);
        if (sign.isEmpty())
            return {};
        math += QLatin1Char(' ') % sign % QLatin1Char(' ');
    }
    return math.isEmpty() ? QStringLiteral(" ") : math;
}

// Text as text, each stretch of mathematics as one inline formula, so TeX
// may break its lines after a relation or a sign between terms.
QString runs(const Runs& content)
{
    QString out;
    QString math;
    auto flush = [&] {
        // A line breaks after a relation or a sign between terms, never after "·".
        if (!math.isEmpty())
            out += QLatin1Char('$')
                % math.replace(QStringLiteral("\\cdot "), QStringLiteral("\\cdot\\nobreak "))
                      .replace(QStringLiteral("\\times "), QStringLiteral("\\times\\nobreak "))
                % QLatin1Char('$');
        math.clear();
    };
    for (auto it = content.begin(); it != content.end(); ++it) {
        if (it->kind != Run::Kind::Text) {
            math += mathOf(*it);
            continue;
        }
        const auto next = std::next(it);
        const QString joining = math.isEmpty() || next == content.end() || next->kind == Run::Kind::Text
            ? QString()
            : joiningMath(it->text);
        if (!joining.isEmpty()) {
            math += joining;
            continue;
        }
        flush();
        out += escaped(it->text);
    }
    flush();
    return out;
}

// A formula in display mathematics, words set as text.
QString displayed(const Runs& content)
{
    QString math;
    for (const Run& run : content)
        math += run.kind == Run::Kind::Text ? QStringLiteral("\\text{") % escaped(run.text) % QLatin1Char('}')
                                            : mathOf(run);
    return math;
}

// In a document of its own the matrix is scaled down to the line when
// wider and its replaced column shaded; in a body to paste, plain amsmath.
QString matrix(const MatrixBlock& block, LatexForm form)
{
    const bool standalone = form == LatexForm::Document;
    QStringList rows;
    for (const auto& row : block.rows) {
        QStringList cells;
        for (std::size_t j = 0; j < row.size(); ++j) {
            const QString cell = number(row[j]);
            const bool marked = static_cast<int>(j) + 1 == block.markedColumn;
            cells << (!marked    ? cell
                    : standalone ? QStringLiteral("\\replaced{") % cell % QLatin1Char('}')
                                 : QStringLiteral("\\boxed{") % cell % QLatin1Char('}'));
        }
        rows << cells.join(QStringLiteral(" & "));
    }
    // Numbers right-aligned (mathtools) in a document of its own.
    const QString kind = (block.bars ? QStringLiteral("vmatrix") : QStringLiteral("matrix"))
        % (standalone ? QStringLiteral("*") : QString());
    const QString math = displayed(block.name) % QStringLiteral("\\begin{") % kind % QStringLiteral("}")
        % (standalone ? QStringLiteral("[r]") : QString()) % QStringLiteral("\n")
        % rows.join(QStringLiteral(" \\\\\n")) % QStringLiteral("\n\\end{") % kind % QStringLiteral("}")
        % displayed(block.value);
    return standalone ? QStringLiteral("\\par\\smallskip{\\centering\\fitted{") % math
            % QStringLiteral("}\\par}\\medskip\n")
                      : QStringLiteral("\\[\n") % math % QStringLiteral("\n\\]\n");
}

} // namespace

QString runsAsLatex(const Runs& content) { return runs(content); }

QString workingAsLatex(const WorkingDocument& document, LatexForm form)
{
    const bool standalone = form == LatexForm::Document;
    // Pictures need TikZ: only a document of its own has them.
    const bool figures = standalone && document.section(Section::Id::Figures);
    const LanguageEntry& language = languageEntry(installedLanguage());
    QString latex = standalone ? QString::fromUtf8(kPreambleStart) % QStringLiteral("\\usepackage[")
            % QLatin1String(language.fontEncoding) % QStringLiteral("]{fontenc}\n\\usepackage[utf8]{inputenc}\n")
            % QStringLiteral("\\usepackage[") % QLatin1String(language.babel) % QStringLiteral("]{babel}\n")
            % QString::fromUtf8(kPreamble)
            % (figures ? QStringLiteral("\\usepackage{tikz}\n\\usetikzlibrary{patterns}\n") : QString())
            % QStringLiteral("\\begin{document}\n")
                               : QString();
    if (!document.title.isEmpty())
        latex += QStringLiteral("\\section*{") % escaped(document.title) % QStringLiteral("}\n");
    for (const Section& section : document.sections) {
        if (section.id == Section::Id::Figures && !standalone)
            continue;
        if (section.newPage && standalone)
            latex += QStringLiteral("\n\\clearpage\n");
        // A part kept whole in one box, which no page break parts.
        const bool box = section.keepWhole && standalone;
        if (box)
            latex += QStringLiteral("\n\\par\\noindent\\begin{minipage}{\\linewidth}");
        if (!section.heading.empty())
            latex += QStringLiteral("\n\\subsection*{") % runs(section.heading) % QStringLiteral("}\n");
        for (auto it = section.blocks.begin(); it != section.blocks.end(); ++it) {
            const Block& block = *it;
            const auto next = std::next(it);
            if (standalone && block.keepWithNext && next != section.blocks.end()
                && next->kind == Block::Kind::Matrix) {
                // A lead-in and its matrix in one box, which no page break parts.
                latex += QStringLiteral("\\par\\noindent\\begin{minipage}{\\linewidth}\n") % runs(block.runs)
                    % QStringLiteral("\n") % matrix(next->matrix, form)
                    % QStringLiteral("\\end{minipage}\n\n");
                it = next;
                continue;
            }
            switch (block.kind) {
            case Block::Kind::Paragraph:
                latex += runs(block.runs)
                    % (block.keepWithNext ? QStringLiteral("\\nopagebreak\n\n") : QStringLiteral("\n\n"));
                break;
            case Block::Kind::Formula:
                latex += standalone
                    ? QStringLiteral("\\begingroup\\raggedright\\leftskip=2em\\hangindent=2em\n")
                        % runs(block.runs) % QStringLiteral("\\par\\endgroup\n\n")
                    : QStringLiteral("\\[\n") % displayed(block.runs) % QStringLiteral("\n\\]\n");
                break;
            case Block::Kind::Verdict:
                latex += QStringLiteral("\\textbf{") % runs(block.runs) % QStringLiteral("}")
                    % (block.keepWithNext ? QStringLiteral("\\nopagebreak\n\n") : QStringLiteral("\n\n"));
                break;
            case Block::Kind::Matrix:
                latex += matrix(block.matrix, form);
                break;
            case Block::Kind::Figure:
                latex += QStringLiteral("\\par\\medskip{\\centering\n")
                    % drawingAsTikz(figureDrawing(*block.figure))
                    % QStringLiteral("\\par}\\nopagebreak\\smallskip\n\n");
                break;
            case Block::Kind::Rule:
                latex += QStringLiteral("\\par\\medskip\\noindent\\rule{\\linewidth}{0.4pt}\\par\\medskip\n\n");
                break;
            }
        }
        if (box)
            latex += QStringLiteral("\\end{minipage}\n\n");
    }
    return standalone ? latex + QStringLiteral("\\end{document}\n") : latex;
}

} // namespace cramer
