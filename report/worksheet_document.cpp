// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/worksheet_document.h"

#include "report/document_writer.h"
#include "report/texts.h"
#include "report/working_sections.h"
#include "report/working_texts.h"

#include <cstdio>

namespace cramer {
namespace {

using texts::qtText;

Runs orBlank(const QString& text)
{
    return { textRun(text.isEmpty() ? qtText(texts::kWorksheetBlank) : text) };
}

// "d = −42; x₁ = 3/4 = 0,75; x₂ = −2", or what a singular variant has.
Runs answer(const Variant& variant, const NumberWriter& numbers)
{
    if (variant.kind == Variant::Kind::NoSolution)
        return filled(texts::kWorksheetKeyNone, {});
    if (variant.kind == Variant::Kind::InfinitelyMany)
        return filled(texts::kWorksheetKeyMany, {});
    Runs runs { nameRun('d', 0), operatorRun("=") };
    runs << numbers.exact(variant.d);
    for (std::size_t i = 0; i < variant.solution.size(); ++i) {
        runs << textRun(QStringLiteral("; ")) << nameRun('x', static_cast<int>(i) + 1) << operatorRun("=")
             << numbers.exactValue(variant.solution[i]);
    }
    return runs;
}

std::string utf8(texts::Text text) { return qtText(text).toStdString(); }

WorkbookCell numberCell(const Rational& value)
{
    if (value.terminates())
        return { value.decimal("."), true };
    return { value.fraction(), false };
}

// A value to ten significant digits, for the key's decimals.
WorkbookCell approximateCell(const Rational& value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value.toDouble());
    return { buffer, true };
}

} // namespace

std::string worksheetWorkbook(const std::vector<Variant>& variants, WorkbookKind kind)
{
    std::vector<WorkbookSheet> sheets;
    const int n = variants.empty() ? 0 : variants.front().system.n;
    WorkbookSheet key { utf8(texts::kWorksheetKeySheet), {} };
    std::vector<WorkbookCell> header { { utf8(texts::kWorksheetKeyVariant) }, { "d" } };
    for (int i = 1; i <= n; ++i)
        header.push_back({ "x" + std::to_string(i) });
    for (int i = 1; i <= n; ++i)
        header.push_back({ "x" + std::to_string(i) + " ≈" });
    key.rows.push_back(std::move(header));
    for (std::size_t k = 0; k < variants.size(); ++k) {
        const Variant& variant = variants[k];
        const std::string number = std::to_string(k + 1);
        WorkbookSheet sheet { qtText(texts::kWorksheetVariant).arg(k + 1).toStdString(), {} };
        for (int row = 1; row <= variant.system.n; ++row) {
            auto& cells = sheet.rows.emplace_back();
            for (int column = 1; column <= variant.system.n + 1; ++column)
                cells.push_back({ variant.system.text(row, column), true });
        }
        sheets.push_back(std::move(sheet));
        std::vector<WorkbookCell> row { { number, true }, numberCell(variant.d) };
        if (variant.kind == Variant::Kind::OneSolution) {
            for (const Rational& x : variant.solution)
                row.push_back(numberCell(x));
            for (const Rational& x : variant.solution)
                row.push_back(approximateCell(x));
        } else {
            row.push_back(
                { utf8(variant.kind == Variant::Kind::NoSolution ? texts::kWorksheetKeyNoneShort
                                                                 : texts::kWorksheetKeyManyShort) });
        }
        key.rows.push_back(std::move(row));
    }
    sheets.push_back(std::move(key));
    return workbookBytes(sheets, kind);
}

std::vector<std::string> variantTexts(const Variant& variant, const NumberLocale& locale)
{
    std::vector<std::string> texts = variant.system.texts;
    for (std::string& text : texts)
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, locale.decimal);
    return texts;
}

std::optional<WorkingDocument> worksheetDocument(const std::vector<Variant>& variants, std::uint64_t seed,
    const WorksheetLayout& layout, const NumberLocale& locale, const std::function<bool(int)>& progress)
{
    DocumentWriter out(locale);
    out.document().title = layout.title.isEmpty() ? qtText(texts::kWorksheetTitle) : layout.title;
    out.section(Section::Id::Header, {});
    out.paragraph(texts::kWorksheetClass, { orBlank(layout.className) });
    out.paragraph(texts::kWorksheetDate, { orBlank(layout.date) });
    out.paragraph(texts::kWorksheetName);
    out.paragraph(texts::kWorksheetTask);
    out.paragraph(texts::kWorksheetSeed, { Runs { textRun(QString::number(seed)) } });

    std::vector<SolveRecord> records;
    for (const Variant& variant : variants)
        records.push_back(solveQuietly(variant.system.n, variantTexts(variant, locale), locale));
    const auto perPage = static_cast<std::size_t>(std::max(1, layout.perPage));
    for (std::size_t k = 0; k < variants.size(); ++k) {
        out.section(Section::Id::Variant, filled(texts::kWorksheetVariant, { static_cast<int>(k) + 1 }),
            static_cast<int>(k) + 1);
        Section& section = out.document().sections.back();
        section.keepWhole = true;
        section.newPage = k > 0 && k % perPage == 0;
        for (int row = 1; row <= records[k].typed.n; ++row)
            out.formula(typedEquation(records[k], row));
        if ((k + 1) % perPage != 0 && k + 1 < variants.size())
            out.add(Block::Kind::Rule, {});
    }

    if (layout.key) {
        out.section(Section::Id::Key, filled(texts::kWorksheetKey, {}));
        out.document().sections.back().newPage = true;
        for (std::size_t k = 0; k < variants.size(); ++k)
            out.formula(filled(
                texts::kWorksheetKeyLine, { static_cast<int>(k) + 1, answer(variants[k], out.numbers()) }));
    }
    WorkingDocument document = std::move(out.document());
    if (layout.solutions) {
        for (std::size_t k = 0; k < variants.size(); ++k) {
            Section heading { Section::Id::Solution, static_cast<int>(k) + 1,
                filled(texts::kWorksheetSolutionOf, { static_cast<int>(k) + 1 }), {}, true, false };
            document.sections.push_back(std::move(heading));
            WorkingDocument working = workingDocument(WorkedSolution(records[k]));
            for (Section& section : working.sections)
                document.sections.push_back(std::move(section));
            if (progress && !progress(static_cast<int>(k) + 1))
                return std::nullopt;
        }
    }
    return document;
}

} // namespace cramer
