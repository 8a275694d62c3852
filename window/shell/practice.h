// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Реши сам" in the "Решение" menu: opens a practice window on the system
// the grid holds, or says why it cannot, as "РЕШИ СИСТЕМАТА" would.

#include "progress/practice_store.h"
#include "solver/typed_system.h"

#include <QObject>

#include <memory>
#include <optional>

class QAction;
class QTimer;
class QWidget;

namespace cramer {

class CommandGate;
class Exercises;
class Form1;
class MessageBoxes;
class PracticeWindow;
class ProgressWindow;
class ClassOverviewWindow;

class Practice : public QObject {
    Q_OBJECT
public:
    Practice(Form1& form, MessageBoxes& boxes, CommandGate& gate, Exercises& exercises, QWidget* window);

    QAction* startAction() const { return start_; }
    QAction* progressAction() const { return progress_; }
    ProgressWindow* progressWindow() const { return progressWindow_; }
    // „Напредък“ of the student who practises.
    void showProgress();
    // The next exercise aimed at the student's commonest recent mistake, and practice on it.
    void practiseWeakSpot();
    // „Изтрий моите данни“, asked first.
    void forgetStudent();
    QAction* exportAction() const { return export_; }
    QAction* classOverviewAction() const { return classOverview_; }
    // Writes the kept answers, of every student or the one practising, as
    // XLSX (type 0) or CSV (1); a failure is said in a box.
    bool exportTo(const QString& path, int type, bool everyone);
    // „Преглед на класа“ of these exported files.
    void showClassOverview(const QStringList& paths);
    ClassOverviewWindow* classOverviewWindow() const { return classWindow_; }
    // The window opened last, if any; for tests.
    PracticeWindow* window() const { return last_; }
    void start();

    // Who is practising: the name confirmed last, asked where there is
    // none; an empty name keeps nothing.
    const QString& student();
    // Asks who is practising, the last name offered (one Enter confirms
    // it); a name like a known one but for letter case or marks is asked
    // about; cancelled, it says that nothing will be kept.
    void changeStudent();
    // The kept answers, opened on first use at `path` (the user's data
    // folder by default); a file that cannot be kept is named once.
    PracticeStore& store();
    void setStoreFile(const QString& path) { storeFile_ = path; }

private:
    void record(AnsweredStep answer, const TypedSystem& system);
    // Writes the answers still waiting; a failure is told once, until
    // writing works again.
    void flushAnswers();
    void tellWriteProblem(PracticeStore::Problem problem);
    void showStudentInTitle();

    Form1& form_;
    MessageBoxes& boxes_;
    CommandGate& gate_;
    Exercises& exercises_;
    QWidget* window_;
    QAction* start_ = nullptr;
    QAction* progress_ = nullptr;
    QAction* export_ = nullptr;
    QAction* classOverview_ = nullptr;
    ClassOverviewWindow* classWindow_ = nullptr;
    ProgressWindow* progressWindow_ = nullptr;
    PracticeWindow* last_ = nullptr;
    QString storeFile_;
    std::unique_ptr<PracticeStore> store_;
    std::optional<QString> student_;
    QTimer* retry_ = nullptr; // writes the waiting answers again
    bool writeProblemTold_ = false;
};

} // namespace cramer
