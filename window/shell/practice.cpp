// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice.h"

#include "report/file_messages.h"
#include "report/practice_texts.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "sheets/system_file.h"
#include "sheets/zip_archive.h"
#include "solver/missing_library.h"
#include "window/form/form1.h"
#include "window/form/message_boxes.h"
#include "window/form/user_locale.h"
#include "window/shell/class_overview.h"
#include "window/shell/command_gate.h"
#include "window/shell/exercises.h"
#include "window/shell/placement.h"
#include "window/shell/practice_window.h"
#include "window/shell/progress_window.h"
#include "window/shell/user_files.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QRect>
#include <QSettings>
#include <QTimer>

namespace cramer {

using texts::qtText;

namespace {

const QString kStudentSetting = QStringLiteral("practice/student");
// Answers that could not be written are tried again this often.
constexpr int kRetryMilliseconds = 5000;

// A name as it is told apart from another: letters and digits alone, in
// one case ("Мария 🎓" and "мария" are alike).
QString nameKey(const QString& name)
{
    QString key;
    for (const QChar c : name)
        if (c.isLetterOrNumber())
            key += c.toCaseFolded();
    return key;
}

// The cells of the system, where the student looks to compare.
QRect gridOnScreen(const Form1& form, int n)
{
    const QWidget* first = form.cell(1, 1);
    const QWidget* last = form.cell(n, n + 1);
    return { first->mapToGlobal(QPoint(0, 0)),
        last->mapToGlobal(QPoint(last->width() - 1, last->height() - 1)) };
}

} // namespace

Practice::Practice(Form1& form, MessageBoxes& boxes, CommandGate& gate, Exercises& exercises, QWidget* window)
    : QObject(window)
    , form_(form)
    , boxes_(boxes)
    , gate_(gate)
    , exercises_(exercises)
    , window_(window)
{
    start_ = gate.add(this, texts::kPracticeCommand, QKeySequence(Qt::CTRL | Qt::Key_R), [this] { start(); });
    progress_ = gate.add(this, texts::kProgressCommand, QKeySequence(), [this] { showProgress(); });
    export_ = gate.add(this, texts::kExportProgressCommand, QKeySequence(), [this] {
        const bool everyone
            = boxes_.ask(window_, qtText(texts::kExportProgressTitle), qtText(texts::kExportEveryone));
        const auto chosen = askFileToSave(window_, boxes_, qtText(texts::kExportProgressTitle),
            QDir::home().filePath(qtText(texts::kExportDefaultName)),
            qtText(texts::kExportFilters).split(QStringLiteral(";;")));
        if (chosen)
            exportTo(chosen->path, chosen->type, everyone);
    });
    classOverview_ = gate.add(this, texts::kClassOverviewCommand, QKeySequence(), [this] {
        const QStringList paths = QFileDialog::getOpenFileNames(window_, qtText(texts::kClassOverviewOpen),
            QDir::homePath(), qtText(texts::kClassOverviewOpenFilter));
        if (!paths.isEmpty())
            showClassOverview(paths);
    });
    auto update = [this] { gate_.setWanted(start_, form_.holdsSystem()); };
    connect(&form_, &Form1::gridReset, this, update);
    connect(&form_, &Form1::cellEdited, this, update);
    update();
    retry_ = new QTimer(this);
    retry_->setInterval(kRetryMilliseconds);
    connect(retry_, &QTimer::timeout, this, &Practice::flushAnswers);
    // The last chance for answers that wait: the window closing.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (store_ && store_->waiting() > 0)
            store_->flush();
    });
}

void Practice::start()
{
    const TypedSystem system = form_.typedSystem();
    // One practice at a time: this very system's comes forward; for a
    // system changed since, the student chooses.
    if (last_) {
        if (last_->system() != system
            && boxes_.ask(window_, qtText(texts::kPracticeTitle), qtText(texts::kPracticeSystemChanged))) {
            last_->close();
        } else {
            last_->show();
            last_->raise();
            last_->activateWindow();
            return;
        }
    }
    const NumberLocale locale = userNumberLocale();
    SolveRecord record = solveQuietly(system.n, system.texts, locale);
    const QString title = qtText(texts::kPracticeTitle);
    const SolveOutcome& outcome = record.outcome;
    if (outcome.status == SolveStatus::BadCell) {
        boxes_.inform(window_, title, badCellMessage(*outcome.cell, record.typed.n, locale));
        return;
    }
    WorkedSolution solution(std::move(record));
    try {
        solution.exact();
    } catch (const MissingLibrary& missing) {
        boxes_.inform(window_, title, missingLibraryMessage(missing));
        return;
    }
    const ExactWorking& working = solution.exact();
    if (working.tooLong) {
        boxes_.inform(window_, title, qtText(texts::kPracticeSystemTooLong));
        return;
    }
    // Asked at every start, never in the practice window's way: on a shared
    // computer the next pupil is not filed under the last one's name.
    changeStudent();
    last_ = new PracticeWindow(std::move(solution), boxes_, window_);
    showStudentInTitle();
    last_->setAttribute(Qt::WA_DeleteOnClose);
    // Written once the verdict is on the screen: keeping never delays it.
    connect(last_, &PracticeWindow::answerChecked, this, [this, system](const AnsweredStep& answer) {
        QMetaObject::invokeMethod(
            this, [this, answer, system] { this->record(answer, system); }, Qt::QueuedConnection);
    });
    connect(last_, &PracticeWindow::changeStudentRequested, this, [this] {
        changeStudent();
        showStudentInTitle();
    });
    connect(last_, &PracticeWindow::newExerciseRequested, this, [this, done = last_] {
        if (!exercises_.makeAnother(done->system().n))
            return;
        done->close();
        start();
    });
    connect(last_, &QObject::destroyed, this, [this, closing = last_] {
        if (last_ == closing)
            last_ = nullptr;
        // The keyboard goes back to the form, to the cell it left.
        if (!last_ && window_->isVisible())
            window_->activateWindow();
    });
    last_->show();
    placeBeside(last_, window_, gridOnScreen(form_, system.n));
    last_->activateWindow();
    last_->setFocus();
}

void Practice::showProgress()
{
    const QString& who = student();
    if (!progressWindow_) {
        progressWindow_ = new ProgressWindow(boxes_, window_);
        connect(progressWindow_, &ProgressWindow::weakSpotRequested, this, &Practice::practiseWeakSpot);
        connect(progressWindow_, &ProgressWindow::forgetRequested, this, &Practice::forgetStudent);
    }
    progressWindow_->show(who, who.isEmpty() ? ProgressSummary() : summarize(store(), who));
}

void Practice::practiseWeakSpot()
{
    const QString& who = student();
    const std::optional<AimedExercise> aimed
        = who.isEmpty() ? std::nullopt : aimedExercise(store().answers(who));
    if (!aimed) {
        boxes_.inform(window_, qtText(texts::kPracticeTitle), qtText(texts::kProgressNothingToAim));
        return;
    }
    bool made = false;
    switch (aimed->kind) {
    case AimedExercise::Kind::Singular:
        made = exercises_.makeSingular(aimed->n);
        break;
    case AimedExercise::Kind::Negatives:
        made = exercises_.makeWithNegatives(aimed->n);
        break;
    case AimedExercise::Kind::Fractions:
        made = exercises_.make(SolutionKind::SimpleFractions, aimed->n);
        break;
    case AimedExercise::Kind::Recurring:
        made = exercises_.make(SolutionKind::Recurring, aimed->n);
        break;
    case AimedExercise::Kind::Integers:
        made = exercises_.make(SolutionKind::Integers, aimed->n);
        break;
    }
    if (!made)
        return;
    boxes_.inform(window_, qtText(texts::kPracticeTitle),
        qtText(texts::kProgressAimedAt).arg(mistakeWords(aimed->mistake)));
    // The practice of the system before gives way without a question: the grid changed at the student's
    // asking.
    if (last_) {
        last_->close();
        last_ = nullptr;
    }
    start();
}

void Practice::forgetStudent()
{
    const QString who = student();
    if (who.isEmpty()
        || !boxes_.ask(
            window_, qtText(texts::kPracticeTitle), qtText(texts::kProgressForgetQuestion).arg(who)))
        return;
    const PracticeStore::Forgotten forgotten = store().forget(who);
    if (forgotten.problem != PracticeStore::Problem::None) {
        boxes_.inform(window_, qtText(texts::kPracticeTitle),
            qtText(texts::kProgressNotForgotten).arg(who, store().lastError()));
        return;
    }
    boxes_.inform(
        window_, qtText(texts::kPracticeTitle), qtText(texts::kProgressForgotten, forgotten.answers).arg(who));
    if (progressWindow_ && progressWindow_->isVisible())
        progressWindow_->show(who, summarize(store(), who));
}

bool Practice::exportTo(const QString& path, int type, bool everyone)
{
    std::vector<StudentAnswers> students;
    const QStringList names = everyone ? store().students() : QStringList { student() };
    for (const QString& name : names)
        if (!name.isEmpty())
            students.push_back({ name, store().answers(name) });
    const QByteArray bytes
        = type == 0 ? QByteArray::fromStdString(progressWorkbook(students)) : progressCsv(students).toUtf8();
    if (bytes.isEmpty()) {
        boxes_.inform(window_, qtText(texts::kSaveFailedTitle),
            qtText(texts::kWorkbookNotMade).arg(QString::fromStdString(ZipArchive::library())));
        return false;
    }
    return writeUserFile(window_, boxes_, path, bytes, texts::kSaveFailed);
}

void Practice::showClassOverview(const QStringList& paths)
{
    if (!classWindow_)
        classWindow_ = new ClassOverviewWindow(boxes_, window_);
    classWindow_->showFiles(paths);
}

const QString& Practice::student()
{
    if (!student_) {
        student_ = QSettings().value(kStudentSetting).toString();
        if (student_->isEmpty())
            changeStudent();
    }
    return *student_;
}

void Practice::changeStudent()
{
    QStringList known = store().students();
    const QString last = student_ ? *student_ : QSettings().value(kStudentSetting).toString();
    if (!last.isEmpty()) {
        known.removeAll(last);
        known.prepend(last);
    }
    QString name
        = boxes_.askName(window_, qtText(texts::kPracticeWhoTitle), qtText(texts::kPracticeWhoText), known);
    if (name.isEmpty()) {
        student_ = QString();
        boxes_.inform(window_, qtText(texts::kPracticeTitle), qtText(texts::kPracticeNoStudent));
        return;
    }
    // "мария" or "Мария" where "Мария 🎓" is known: the same pupil, or another?
    if (!known.contains(name)) {
        for (const QString& other : known) {
            if (nameKey(other) == nameKey(name)
                && boxes_.ask(window_, qtText(texts::kPracticeWhoTitle),
                    qtText(texts::kPracticeSimilarName).arg(name, other))) {
                name = other;
                break;
            }
        }
    }
    student_ = name;
    QSettings().setValue(kStudentSetting, name);
}

void Practice::showStudentInTitle()
{
    if (!last_)
        return;
    const QString title = qtText(texts::kPracticeTitle);
    last_->setWindowTitle(student_ && !student_->isEmpty()
            ? qtText(texts::kPracticeTitleWithStudent).arg(title, *student_)
            : title);
}

PracticeStore& Practice::store()
{
    if (store_)
        return *store_;
    const QString path = storeFile_.isEmpty() ? defaultPracticeFile() : storeFile_;
    store_ = std::make_unique<PracticeStore>(path);
    const texts::Text* problem = nullptr;
    switch (store_->problem()) {
    case PracticeStore::Problem::None:
        return *store_;
    case PracticeStore::Problem::Locked:
        problem = &texts::kPracticeStoreLocked;
        break;
    case PracticeStore::Problem::ReadOnly:
        problem = &texts::kPracticeStoreReadOnly;
        break;
    case PracticeStore::Problem::Full:
        problem = &texts::kPracticeStoreFull;
        break;
    case PracticeStore::Problem::Damaged:
        problem = &texts::kPracticeStoreDamaged;
        break;
    case PracticeStore::Problem::Newer:
        problem = &texts::kPracticeStoreNewer;
        break;
    case PracticeStore::Problem::CannotOpen:
        problem = &texts::kPracticeStoreCannotOpen;
        break;
    }
    boxes_.inform(window_, qtText(texts::kPracticeTitle),
        qtText(*problem).arg(QDir::toNativeSeparators(path), store_->detail()));
    return *store_;
}

void Practice::record(AnsweredStep answer, const TypedSystem& system)
{
    if (student().isEmpty())
        return;
    answer.student = *student_;
    answer.system = QString::fromStdString(systemAsCsv(system, { ".", "" }));
    tellWriteProblem(store().record(answer));
}

void Practice::flushAnswers()
{
    if (store_)
        tellWriteProblem(store_->flush());
}

void Practice::tellWriteProblem(PracticeStore::Problem problem)
{
    if (problem == PracticeStore::Problem::None) {
        retry_->stop();
        writeProblemTold_ = false;
        return;
    }
    if (!retry_->isActive())
        retry_->start();
    if (writeProblemTold_)
        return;
    writeProblemTold_ = true;
    const QString path
        = QDir::toNativeSeparators(storeFile_.isEmpty() ? defaultPracticeFile() : storeFile_);
    QString said;
    switch (problem) {
    case PracticeStore::Problem::Locked:
        said = qtText(texts::kPracticeWriteLocked).arg(path);
        break;
    case PracticeStore::Problem::Full:
        said = qtText(texts::kPracticeWriteFull).arg(path);
        break;
    case PracticeStore::Problem::ReadOnly:
        said = qtText(texts::kPracticeWriteReadOnly).arg(path, store_->lastError());
        break;
    case PracticeStore::Problem::Damaged:
        said = qtText(texts::kPracticeWriteDamaged).arg(path, store_->lastError());
        break;
    default:
        said = qtText(texts::kPracticeWriteFailed).arg(path, store_->lastError());
        break;
    }
    boxes_.inform(window_, qtText(texts::kPracticeTitle), said);
}

} // namespace cramer
