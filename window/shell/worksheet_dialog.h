// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// „Файл → Работен лист…“: the teacher chooses how many variants of which
// kind, the header and the parts, sees the first page and saves or prints
// the worksheet.

#include "report/worksheet_document.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace cramer {

class MessageBoxes;

class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    WorksheetDialog(MessageBoxes& boxes, const NumberLocale& locale, QWidget* parent = nullptr);

    // What the controls ask for now.
    WorksheetRequest request() const;
    WorksheetLayout layout() const;

    // The worksheet's document and, for workbooks, its variants, made anew
    // from the controls; a progress dialog where it takes longer than half
    // a second. Nothing where it cannot be made (said in a box) or was cancelled.
    struct Made {
        std::vector<Variant> variants;
        WorkingDocument document;
    };
    std::optional<Made> make();

    // Writes the worksheet to `path` in the form of filter `type` of the
    // save dialog; says so in a box where it fails.
    bool saveTo(const QString& path, int type);

    QLabel* preview() const { return preview_; }

public slots:
    void save();
    void print();
    void updatePreview();

private:
    void createFields();
    QFormLayout* fieldRows();
    void newSeed();

    MessageBoxes& boxes_;
    NumberLocale locale_;
    QSpinBox* variants_ = nullptr;
    QSpinBox* size_ = nullptr;
    QComboBox* answers_ = nullptr;
    QComboBox* singular_ = nullptr;
    QSpinBox* range_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* className_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QPushButton* newSeed_ = nullptr;
    QCheckBox* key_ = nullptr;
    QCheckBox* solutions_ = nullptr;
    QComboBox* perPage_ = nullptr;
    QLabel* preview_ = nullptr;
};

} // namespace cramer
