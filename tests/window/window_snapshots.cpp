// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window to PNG files: at start, laid out for nine, under the
// announcement of d_2 of a 3 × 3 system, with the results of that system,
// its worked solution and the menu that opens it, the user's guide, after pasting a 4 × 5
// block and solving it, a solve whose single-precision results are wrong, the contrast colours, and that
// solution's HTML as a word processor would lay it out (and the HTML itself); the window at 150 % and fitted
// into a 1024 × 600 screen; a month of kept practice; the worksheet dialog. Usage: window_snapshots
// OUTPUT_DIRECTORY

#include "report/working_forms.h"
#include "window_test_support.h"

#include "progress/practice_store.h"
#include "progress/progress_export.h"
#include "window/form/grid_input.h"
#include "window/shell/class_overview.h"
#include "window/shell/colour_choice.h"
#include "window/shell/figure_view.h"
#include "window/shell/help_window.h"
#include "window/shell/practice.h"
#include "window/shell/practice_window.h"
#include "window/shell/program_style.h"
#include "window/shell/progress_window.h"
#include "window/shell/working_window.h"
#include "window/shell/worksheet_dialog.h"

#include "report/language.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>

#include <QPalette>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>

using namespace cramer;
using testing_support::ShownMessage;
using testing_support::TestWindow;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the zoom chosen here is not the user's
    QApplication::setStyle(makeProgramStyle()); // as the program draws
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto save = [&](QWidget& widget, const char* name) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!widget.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    };

    TestWindow window;
    window.main->show();
    save(*window.main, "start.png");
    window.layOut(9);
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 10; ++column)
            window.form->cell(row, column)
                ->setText(row == 9 && column == 10 ? "-1.234568E+07" : QString::number(row * column));
    save(*window.main, "layout9.png");

    window.layOut(3);
    window.type({ { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } });
    window.boxes.whileOpen = [&](const ShownMessage&) {
        if (window.boxes.shown.size() == 3)
            save(*window.main, "announce-d2.png");
    };
    window.solve();
    save(*window.main, "result.png");
    window.main->solution().showWorking();
    WorkingWindow& working = *window.main->solution().workingWindow();
    working.resize(760, 900);
    save(working, "working3.png");
    QFile workingText(out.filePath(QStringLiteral("working3.txt")));
    if (workingText.open(QIODevice::WriteOnly))
        workingText.write(workingAsPlainText(working.document()).toUtf8());
    working.close();
    window.main->practice().start();
    if (PracticeWindow* practice = window.main->practice().window()) {
        practice->resize(720, 760);
        practice->answerField(0)->setText(QStringLiteral("-3"));
        practice->check(0);
        practice->hint(1);
        save(*practice, "practice3.png");
        practice->close();
    }
    // Practice of a 2 × 2 with its pictures, d and x₁ found, on a light
    // and on a dark scheme.
    window.layOut(2);
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.main->practice().start();
    if (PracticeWindow* practice = window.main->practice().window()) {
        practice->resize(760, 1000);
        for (const auto& [step, answer] : { std::pair { 0, "-7" }, { 3, "1" } }) {
            practice->answerField(step)->setText(QString::fromLatin1(answer));
            practice->check(step);
        }
        const QList<FigureView*> figures = practice->findChildren<FigureView*>();
        if (!figures.isEmpty())
            practice->findChild<QScrollArea*>()->ensureWidgetVisible(figures.front());
        save(*practice, "practice2.png");
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
        dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        dark.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
        for (int i = 0; i < figures.size(); ++i) {
            save(*figures[i], i == 0 ? "figure-lines.png" : "figure-areas.png");
            figures[i]->setPalette(dark);
            figures[i]->setAutoFillBackground(true);
            save(*figures[i], i == 0 ? "figure-lines-dark.png" : "figure-areas-dark.png");
        }
        practice->close();
    }
    // Practice of a 4 × 4: d found, d₁ at its second hint, pivots by hand.
    window.layOut(4);
    window.type({ { "1", "2", "0", "1", "4" }, { "0", "1", "3", "1", "5" }, { "2", "0", "1", "1", "4" },
        { "1", "1", "1", "0", "3" } });
    window.main->practice().start();
    if (PracticeWindow* practice = window.main->practice().window()) {
        practice->resize(760, 900);
        practice->answerField(0)->setText(QStringLiteral("-12"));
        practice->check(0);
        practice->hint(1);
        practice->hint(1);
        save(*practice, "practice4.png");
        practice->close();
    }
    // A system without a solution: d found, a wrong choice, the ranks.
    window.layOut(2);
    window.type({ { "1", "2", "1" }, { "2", "4", "3" } });
    window.main->practice().start();
    if (PracticeWindow* practice = window.main->practice().window()) {
        practice->resize(720, 560);
        practice->answerField(0)->setText(QStringLiteral("0"));
        practice->check(0);
        practice->choice(1, ExactVerdict::InfinitelyMany)->setChecked(true);
        practice->check(1);
        practice->hint(1);
        practice->hint(1);
        save(*practice, "practice-singular.png");
        practice->close();
    }
    QMenu* solutionMenu = nullptr;
    for (QObject* holder : window.main->actions().showWorking->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(holder); menu && menu->parent() != window.form)
            solutionMenu = menu;
    if (solutionMenu) {
        // The open menu drawn where it drops down from the menu bar.
        const QPoint below = window.main->menuBar()->actionGeometry(solutionMenu->menuAction()).bottomLeft();
        solutionMenu->popup(window.main->mapToGlobal(below));
        QPixmap shot = window.main->grab();
        QPainter painter(&shot);
        painter.drawPixmap(below, solutionMenu->grab());
        painter.end();
        shot.save(out.filePath(QStringLiteral("menu.png")));
        solutionMenu->close();
    }

    window.main->showGuide();
    window.main->helpWindow()->resize(760, 900);
    save(*window.main->helpWindow(), "guide.png");
    window.main->helpWindow()->close();

    // At 150 %, and fitted into a 1024 × 600 screen.
    window.main->zoom().byHand(1.5);
    save(*window.main, "zoom150.png");
    window.main->zoom().byHand(1.0);
    {
        TestWindow small;
        small.main->show();
        small.main->zoom().fitInto(QRect(0, 0, 1024, 600));
        QApplication::processEvents();
        QPixmap screen(1024, 600);
        screen.fill(QColor(40, 44, 52));
        QPainter painter(&screen);
        painter.drawPixmap(ZoomController::kFrameAllowance.width() / 2,
            ZoomController::kFrameAllowance.height() - 8, small.main->grab());
        painter.end();
        screen.save(out.filePath(QStringLiteral("screen-1024x600.png")));
    }

    window.boxes.whileOpen = nullptr;
    QApplication::clipboard()->setText(
        QStringLiteral("2\t1\t-1\t3\t8\n1\t-2\t4\t0\t-3\n0\t5\t2\t-1\t11\n3\t0\t1\t2\t9\n"));
    window.form->gridInput().paste(1, 1);
    save(*window.main, "pasted4.png");
    window.solve();
    save(*window.main, "result4.png");
    window.layOut(3);
    window.type({ { "1E-4", "2", "1", "1" }, { "3", "1", "1.25", "2" }, { "1", "0.5", "0.75", "1" } });
    window.solve();
    save(*window.main, "unreliable.png");
    window.type({ { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } });
    window.solve();
    window.main->colours().setContrast(true);
    save(*window.main, "contrast.png");
    window.main->colours().setContrast(false);
    window.main->solution().copy();
    const QString html = QApplication::clipboard()->mimeData()->html();
    QFile htmlFile(out.filePath(QStringLiteral("copied.html")));
    if (htmlFile.open(QIODevice::WriteOnly))
        htmlFile.write(html.toUtf8());
    QTextDocument document;
    document.setHtml(html);
    document.setTextWidth(600);
    QImage page(document.size().toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    document.drawContents(&painter);
    page.save(out.filePath(QStringLiteral("copied-html.png")));
    // „Напредък“ of a student with a month of practice: Sarrus's signs go
    // wrong less often week by week, rounding stays weak.
    {
        QTemporaryDir folder;
        PracticeStore store(folder.filePath(QStringLiteral("practice.sqlite")));
        const QDateTime start(QDate(2026, 11, 2), QTime(9, 0), Qt::UTC);
        for (int day = 0; day < 28; day += 2)
            for (int i = 0; i < 12; ++i) {
                AnsweredStep answer;
                answer.student = QStringLiteral("Ани");
                answer.when = start.addDays(day).addSecs(90 * i);
                answer.system = QStringLiteral("exercise %1").arg(day * 2 + i / 6);
                answer.skill
                    = std::array { Skill::Sarrus, Skill::Column, Skill::Division, Skill::Rounding }[i % 4];
                const bool right = answer.skill == Skill::Sarrus ? (i + day) % 28 < day + 6
                    : answer.skill == Skill::Rounding            ? i % 3 == 0
                                                                 : (i + day) % 5 != 0;
                answer.right = right;
                answer.mistake = right                ? QString()
                    : answer.skill == Skill::Sarrus   ? QStringLiteral("TermSignFlipped")
                    : answer.skill == Skill::Rounding ? QStringLiteral("RoundedWrongly")
                                                      : QStringLiteral("WrongColumnReplaced");
                store.record(answer);
            }
        ProgressWindow progress(window.boxes);
        progress.show(QStringLiteral("Ани"), summarize(store, QStringLiteral("Ани")));
        save(progress, "progress.png");
        progress.close();
        // Three computers' exports: Ани's, and two classmates'.
        QStringList files;
        const std::vector<std::pair<QString, int>> classmates { { QStringLiteral("Борис"), 3 },
            { QStringLiteral("Вера"), 5 } };
        for (int computer = 0; computer < 3; ++computer) {
            std::vector<StudentAnswers> students;
            if (computer == 0) {
                students.push_back({ QStringLiteral("Ани"), store.answers(QStringLiteral("Ани")) });
            } else {
                const auto& [name, skill] = classmates[static_cast<std::size_t>(computer - 1)];
                StudentAnswers student { name, {} };
                for (int i = 0; i < 40; ++i) {
                    AnsweredStep answer;
                    answer.student = name;
                    answer.when = start.addSecs(600 * i);
                    answer.systemHash = QString::number(i / 5);
                    answer.skill = static_cast<Skill>((i + computer) % kSkills);
                    answer.right = i % skill != 0;
                    answer.mistake = answer.right ? QString() : QStringLiteral("OppositeSign");
                    student.answers.push_back(answer);
                }
                students.push_back(student);
            }
            const std::string bytes = progressWorkbook(students);
            QFile file(folder.filePath(QStringLiteral("room-%1.xlsx").arg(computer + 1)));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes.data(), static_cast<qint64>(bytes.size()));
            files << file.fileName();
        }
        ClassOverviewWindow overview(window.boxes);
        overview.showFiles(files);
        save(overview, "class-overview.png");
        overview.close();
    }
    // The worksheet dialog with its preview of the first page.
    window.main->showWorksheet();
    if (WorksheetDialog* worksheet = window.main->worksheetDialog()) {
        worksheet->updatePreview();
        save(*worksheet, "worksheet-dialog.png");
        worksheet->close();
    }
    // The same 3 × 3 in English: the window after the solve and its working.
    installLanguage(Language::English);
    {
        TestWindow english;
        english.main->show();
        english.layOut(3);
        english.type({ { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } });
        english.solve();
        save(*english.main, "result-en.png");
        english.main->solution().showWorking();
        WorkingWindow& working = *english.main->solution().workingWindow();
        working.resize(760, 900);
        save(working, "working-en.png");
    }
    installLanguage(Language::Bulgarian);
    return 0;
}
