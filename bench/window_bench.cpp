// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of a solve: one determinant step for n = 9 (clear, bars,
// 81 cells written and coloured, heading), and a whole 9 × 9 solve with every
// box answered at once.

#include "window/form1.h"

#include <QApplication>
#include <QRadioButton>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

namespace {

using namespace cramer;

class AnsweredBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString&, const QString&) override { }
};

Matrix nineByNine()
{
    Matrix system {};
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column)
            system[row][column] = row == column ? 2.5f : 1.0f / static_cast<float>(row + column);
        system[row][10] = static_cast<float>(row) * 1000.125f;
    }
    return system;
}

void DeterminantStep9(benchmark::State& state)
{
    AnsweredBoxes boxes;
    Form1 form(boxes);
    form.show();
    const Matrix matrix = nineByNine();
    int index = 0;
    for (auto _ : state) {
        form.pokajideterminanta(matrix, 9);
        form.showDeterminantHeading(index++ % 10);
        QApplication::processEvents(); // lay out and paint what changed
    }
}
BENCHMARK(DeterminantStep9)->Unit(benchmark::kMicrosecond);

// The same step without painting: what the procedures cost by themselves.
void DeterminantStep9Unpainted(benchmark::State& state)
{
    AnsweredBoxes boxes;
    Form1 form(boxes);
    const Matrix matrix = nineByNine();
    int index = 0;
    for (auto _ : state) {
        form.pokajideterminanta(matrix, 9);
        form.showDeterminantHeading(index++ % 10);
    }
}
BENCHMARK(DeterminantStep9Unpainted)->Unit(benchmark::kMicrosecond);

void WholeSolve9(benchmark::State& state)
{
    AnsweredBoxes boxes;
    Form1 form(boxes);
    form.show();
    form.option(8)->setChecked(true);
    form.Command1_Click();
    const Matrix system = nineByNine();
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 10; ++column)
            form.cell(row, column)->setText(QString::number(system[row][column], 'g', 9));
    for (auto _ : state) {
        form.Command3_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(WholeSolve9)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
