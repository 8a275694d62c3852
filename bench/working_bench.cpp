// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solution of a 9 × 9 system with integers and decimals: the
// document from the record of the solve (exact working included), each of
// its forms, and the typeset pages of a PDF.

#include "report/figure_paint.h"
#include "report/working_document.h"
#include "report/working_export.h"
#include "report/working_forms.h"
#include "report/working_typeset.h"
#include "sheets/spreadsheet_file.h"
#include "sheets/system_file.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

using namespace cramer;

SolveRecord nineByNine()
{
    const ReadSystem read = readAnySystemFile(GOLDEN_FOLDER "/nine9.csv", { ".", "" });
    return solveQuietly(read.system->n, read.system->texts, { ".", "" });
}

void Document9(benchmark::State& state)
{
    const SolveRecord record = nineByNine();
    for (auto _ : state) {
        const WorkedSolution solution(record);
        benchmark::DoNotOptimize(workingDocument(solution).sections.size());
    }
}
BENCHMARK(Document9)->Unit(benchmark::kMillisecond);

// Hilbert's 9 × 9 in seven digits: single precision keeps no digit of the
// x_i, so the verdict computes the condition number exactly and solves
// again with the largest pivots.
void Document9IllConditioned(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j)
            texts.push_back(std::to_string(1.0 / (i + j - 1)).substr(0, 9));
        texts.push_back("1");
    }
    const SolveRecord record = solveQuietly(9, texts, { ".", "" });
    for (auto _ : state) {
        const WorkedSolution solution(record);
        benchmark::DoNotOptimize(workingDocument(solution).sections.size());
        if (!solution.accuracy() || !solution.accuracy()->unreliable)
            state.SkipWithError("the verdict found single precision right");
    }
}
BENCHMARK(Document9IllConditioned)->Unit(benchmark::kMillisecond);

void Form9(benchmark::State& state, QString (*render)(const WorkingDocument&))
{
    const WorkedSolution solution(nineByNine());
    const WorkingDocument document = workingDocument(solution);
    for (auto _ : state)
        benchmark::DoNotOptimize(render(document).size());
}
BENCHMARK_CAPTURE(Form9, Text, workingAsPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Form9, Html, workingAsHtml)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    Form9, Latex, +[](const WorkingDocument& document) { return workingAsLatex(document); })
    ->Unit(benchmark::kMillisecond);

// The view's document, laid out at a window's width.
void View9(benchmark::State& state)
{
    const WorkedSolution solution(nineByNine());
    const WorkingDocument document = workingDocument(solution);
    for (auto _ : state) {
        QTextDocument text;
        typesetWorking(document, text);
        text.setTextWidth(700);
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(View9)->Unit(benchmark::kMillisecond);

// The same pages through the program's PDF writer and through Qt's.
void Pdf9(benchmark::State& state)
{
    const WorkedSolution solution(nineByNine());
    const WorkingDocument document = workingDocument(solution);
    for (auto _ : state)
        benchmark::DoNotOptimize(workingBytes(document, WorkingFormat::Pdf).size());
}
BENCHMARK(Pdf9)->Unit(benchmark::kMillisecond);

void Pdf9ByQt(benchmark::State& state)
{
    const WorkedSolution solution(nineByNine());
    const WorkingDocument document = workingDocument(solution);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            printWorking(document, writer);
        }
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(Pdf9ByQt)->Unit(benchmark::kMillisecond);

// Both pictures of a 2 × 2, from the typed numbers to the painted pixels.
void Figures2(benchmark::State& state)
{
    const ReadSystem read = readAnySystemFile(GOLDEN_FOLDER "/cross2.csv", { ".", "" });
    const WorkedSolution solution(solveQuietly(2, read.system->texts, { ".", "" }));
    const WorkingDocument document = workingDocument(solution);
    std::vector<FigureBlock> figures;
    for (const Block& block : document.section(Section::Id::Figures)->blocks)
        if (block.kind == Block::Kind::Figure)
            figures.push_back(*block.figure);
    const std::vector<Rational>& typed = solution.exact().typed;
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (FigureBlock& figure : figures) {
            if (figure.isLines())
                figure.geometry = linesFigure(typed);
            else
                figure.geometry = areasFigure(typed);
            image.fill(Qt::white);
            QPainter painter(&image);
            paintDrawing(painter, figureDrawing(figure), image.rect());
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(Figures2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
