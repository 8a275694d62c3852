// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of a solve: one determinant step for n = 9 (clear, bars,
// 81 cells written and coloured, heading), a whole 9 × 9 solve with every
// box answered at once, with and without its exact working, the worked
// solution's window, opening a file, and one zoom step of the whole form.

#include "progress/progress_export.h"
#include "report/working_document.h"
#include "report/working_forms.h"
#include "window/form/form1.h"
#include "window/shell/main_window.h"
#include "window/shell/practice.h"
#include "window/shell/practice_window.h"
#include "window/shell/program_style.h"
#include "window/shell/progress_window.h"
#include "window/shell/solution_actions.h"
#include "window/shell/system_files.h"
#include "window/shell/working_window.h"
#include "window/shell/zoom_controller.h"

#include <QApplication>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

using namespace cramer;

class AnsweredBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString&, const QString&, const QString& = {}) override { }
    bool ask(QWidget*, const QString&, const QString&) override { return true; }
    SaveAnswer askToSave(QWidget*, const QString&, const QString&) override { return SaveAnswer::Discard; }
    QString askName(QWidget*, const QString&, const QString&, const QStringList&) override { return {}; }
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

void typeNineByNine(Form1& form)
{
    form.option(8)->setChecked(true);
    form.Command1_Click();
    const Matrix system = nineByNine();
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 10; ++column)
            form.cell(row, column)->setText(QString::number(system[row][column], 'g', 9));
}

void WholeSolve9(benchmark::State& state)
{
    AnsweredBoxes boxes;
    Form1 form(boxes);
    form.show();
    typeNineByNine(form);
    for (auto _ : state) {
        form.Command3_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(WholeSolve9)->Unit(benchmark::kMicrosecond);

// The same in the main window, which works the solution out exactly after it.
void WholeSolve9WithWorking(benchmark::State& state)
{
    AnsweredBoxes boxes;
    MainWindow window(boxes);
    window.show();
    typeNineByNine(*window.form());
    for (auto _ : state) {
        window.form()->Command3_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(WholeSolve9WithWorking)->Unit(benchmark::kMicrosecond);

// The whole working of a 9 × 9 solve: exact values, verdicts, the blocks
// and their HTML, from the record of the solve.
void Working9(benchmark::State& state)
{
    AnsweredBoxes boxes;
    MainWindow window(boxes);
    typeNineByNine(*window.form());
    window.form()->Command3_Click();
    const SolveRecord record = window.solution().worked()->record;
    for (auto _ : state) {
        const WorkedSolution solution(record);
        benchmark::DoNotOptimize(workingAsHtml(workingDocument(solution)).size());
    }
}
BENCHMARK(Working9)->Unit(benchmark::kMicrosecond);

// From a command on the typed 9 × 9 to the first painted frame of the
// window it opens, in a new main window each time: `solved` first or not.
void FirstFrame(benchmark::State& state, bool solved, QWidget* (*open)(MainWindow&))
{
    AnsweredBoxes boxes;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>(boxes);
        window->show();
        typeNineByNine(*window->form());
        if (solved)
            window->form()->Command3_Click();
        QApplication::processEvents();
        state.ResumeTiming();
        open(*window)->repaint();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
// "Подробно решение" after the solve.
BENCHMARK_CAPTURE(
    FirstFrame, OpenWorking9, true,
    +[](MainWindow& window) -> QWidget* {
        window.solution().showWorking();
        return window.solution().workingWindow()->view()->viewport();
    })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
// "Реши сам" on the typed system.
BENCHMARK_CAPTURE(
    FirstFrame, OpenPractice9, false,
    +[](MainWindow& window) -> QWidget* {
        window.practice().start();
        return window.practice().window();
    })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// Opening a 9 × 9 file to a filled grid, painted: the program's own CSV as
// it saves it (the baseline), and the same system as Calc saves it in a
// workbook of either kind.
void OpenFile9(benchmark::State& state, const char* extension)
{
    AnsweredBoxes boxes;
    MainWindow window(boxes);
    window.show();
    typeNineByNine(*window.form());
    QTemporaryDir folder;
    QString path = QStringLiteral(SPREADSHEETS_FOLDER "/system9.") + QLatin1String(extension);
    if (QLatin1String(extension) == QLatin1String("csv")) {
        path = folder.filePath(QStringLiteral("system.csv"));
        window.files().saveTo(path);
    }
    for (auto _ : state) {
        if (!window.files().open(path))
            state.SkipWithError("the file did not open");
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(OpenFile9, Csv, "csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenFile9, Ods, "ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenFile9, Xlsx, "xlsx")->Unit(benchmark::kMillisecond);

// One zoom step of the whole form showing the results of a 9 × 9 solve,
// 100 % → 200 % → 100 % …, painted. The heap after 100 steps against before
// them tells whether zooming leaks.
void ZoomStep9(benchmark::State& state)
{
    AnsweredBoxes boxes;
    MainWindow window(boxes);
    window.show();
    typeNineByNine(*window.form());
    window.form()->Command3_Click();
    QApplication::processEvents();
    auto step = [&window, zoom = 1.0]() mutable {
        zoom = zoom == 1.0 ? 2.0 : 1.0;
        window.zoom().byHand(zoom);
        QApplication::processEvents();
    };
    for (int i = 0; i < 10; ++i)
        step(); // caches of both sizes filled
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i)
        step();
    const std::size_t after = mallinfo2().uordblks;
    for (auto _ : state)
        step();
    state.counters["heap_growth_bytes_per_100_steps"]
        = static_cast<double>(after) - static_cast<double>(before);
    window.zoom().byHand(1.0);
}
BENCHMARK(ZoomStep9)->Unit(benchmark::kMillisecond);

// One checked answer kept: its own transaction in the WAL journal, against
// the verdict's text set in the practice window (the work before it).
void RecordAnswer(benchmark::State& state)
{
    QTemporaryDir folder;
    PracticeStore store(folder.filePath(QStringLiteral("practice.sqlite")));
    AnsweredStep answer;
    answer.student = QStringLiteral("Ани");
    answer.system = QStringLiteral("2,1,5\n1,-3,-8");
    answer.typed = QStringLiteral("-7");
    answer.mistake = QStringLiteral("OppositeSign");
    for (auto _ : state) {
        answer.when = QDateTime::currentDateTimeUtc();
        benchmark::DoNotOptimize(store.record(answer));
    }
}
BENCHMARK(RecordAnswer)->Unit(benchmark::kMicrosecond);

// „Напредък“ of a student with 100,000 kept answers, to its first painted frame.
void Progress100k(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("practice.sqlite"));
    {
        PracticeStore store(path);
        QSqlDatabase database = store.database();
        database.transaction();
        QSqlQuery insert(database);
        insert.exec(QStringLiteral(
            "INSERT INTO students (name, created) VALUES ('Ани', '2026-09-01T08:00:00.000Z')"));
        insert.prepare(QStringLiteral(
            "INSERT INTO answers VALUES ('Ани', ?, ?, '1,2,3', 3, 0, 0, ?, '5', ?, ?, 1, 0, 60000, ?)"));
        const QDateTime start(QDate(2026, 9, 1), QTime(8, 0), Qt::UTC);
        for (int i = 0; i < 100000; ++i) {
            insert.addBindValue(start.addSecs(60 * i).toString(Qt::ISODateWithMs));
            insert.addBindValue(QString::number(i / 10));
            insert.addBindValue(i % kSkills);
            insert.addBindValue(i % 3 == 0 ? 0 : 1);
            insert.addBindValue(i % 3 == 0 ? QStringLiteral("OppositeSign") : QStringLiteral(""));
            insert.addBindValue(start.addSecs(60 * i).toString(Qt::ISODate).left(10));
            insert.exec();
        }
        database.commit();
    }
    AnsweredBoxes boxes;
    for (auto _ : state) {
        state.PauseTiming();
        PracticeStore store(path);
        ProgressWindow window(boxes);
        state.ResumeTiming();
        window.show(QStringLiteral("Ани"), summarize(store, QStringLiteral("Ани")));
        window.repaint();
    }
}
BENCHMARK(Progress100k)->Unit(benchmark::kMillisecond)->Iterations(5);

// „Преглед на класа“ of 30 computers' exports of 5,000 answers each.
void ClassOverview30(benchmark::State& state)
{
    std::vector<std::pair<QString, std::string>> files;
    const QDateTime start(QDate(2026, 9, 1), QTime(8, 0), Qt::UTC);
    for (int computer = 0; computer < 30; ++computer) {
        StudentAnswers student { QStringLiteral("Ученик %1").arg(computer), {} };
        for (int i = 0; i < 5000; ++i) {
            AnsweredStep answer;
            answer.student = student.student;
            answer.when = start.addSecs(60 * i);
            answer.systemHash = QString::number(i / 10);
            answer.skill = static_cast<Skill>(i % kSkills);
            answer.typed = QStringLiteral("5");
            answer.right = i % 3 != 0;
            answer.mistake = answer.right ? QString() : QStringLiteral("OppositeSign");
            student.answers.push_back(answer);
        }
        files.emplace_back(student.student, progressWorkbook({ student }));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(classOverview(files).students.size());
}
BENCHMARK(ClassOverview30)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(makeProgramStyle()); // as the program draws
    QStandardPaths::setTestModeEnabled(true); // zooming by hand here is no user's choice
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
