// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/worksheet_dialog.h"
#include "report/texts.h"
#include "report/working_export.h"
#include "report/working_texts.h"
#include "sheets/zip_archive.h"
#include "window/form/message_boxes.h"
#include "window/shell/printing.h"
#include "window/shell/user_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>

#include <random>

namespace cramer {
namespace {

using texts::qtText;

constexpr int kPreviewWidth = 300;
// Past this, the work shows its progress.
constexpr int kQuietMilliseconds = 500;

// The save dialog's filters, in order, and what each writes.
struct SavedForm {
    std::optional<WorkingFormat> document;
    WorkbookKind workbook = WorkbookKind::Ods;
};
constexpr SavedForm kSavedForms[]
    = { { WorkingFormat::Pdf }, { WorkingFormat::Html }, { WorkingFormat::Latex }, { WorkingFormat::Text },
          { std::nullopt, WorkbookKind::Ods }, { std::nullopt, WorkbookKind::Xlsx } };

// How many variants could be made, of how many, and why not more.
QString shortfallText(const WorksheetShortfall& shortfall, const WorksheetRequest& asked)
{
    return qtText(texts::kWorksheetShortfallInWindow)
        .arg(QString::number(shortfall.made), QString::number(asked.variants), QString::number(asked.range),
            QString::number(asked.n));
}

} // namespace

WorksheetDialog::WorksheetDialog(MessageBoxes& boxes, const NumberLocale& locale, QWidget* parent)
    : QDialog(parent)
    , boxes_(boxes)
    , locale_(locale)
{
    setWindowTitle(qtText(texts::kWorksheetDialogTitle));
    setObjectName(QStringLiteral("worksheetDialog"));
    createFields();
    preview_ = new QLabel(this);
    preview_->setAccessibleName(qtText(texts::kWorksheetPreviewName));
    preview_->setFrameShape(QFrame::Box);
    preview_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    preview_->setMinimumWidth(kPreviewWidth + 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* saveButton = buttons->addButton(qtText(texts::kWorksheetSave), QDialogButtonBox::ActionRole);
    auto* printButton = buttons->addButton(qtText(texts::kWorksheetPrint), QDialogButtonBox::ActionRole);
    connect(saveButton, &QPushButton::clicked, this, &WorksheetDialog::save);
    connect(printButton, &QPushButton::clicked, this, &WorksheetDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(fieldRows());
    columns->addWidget(preview_);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addWidget(buttons);
    // The first page once the dialog is up, not before it shows.
    QTimer::singleShot(0, this, &WorksheetDialog::updatePreview);
}

// The controls that decide the worksheet, each updating the preview.
void WorksheetDialog::createFields()
{
    auto spin = [this](int lowest, int highest, int value) {
        auto* box = new QSpinBox(this);
        box->setRange(lowest, highest);
        box->setValue(value);
        connect(box, &QSpinBox::valueChanged, this, &WorksheetDialog::updatePreview);
        return box;
    };
    auto choice = [this](std::initializer_list<texts::Text> items) {
        auto* box = new QComboBox(this);
        for (const texts::Text& item : items)
            box->addItem(qtText(item));
        connect(box, &QComboBox::currentIndexChanged, this, &WorksheetDialog::updatePreview);
        return box;
    };
    auto line = [this](const QString& text) {
        auto* edit = new QLineEdit(text, this);
        connect(edit, &QLineEdit::editingFinished, this, &WorksheetDialog::updatePreview);
        return edit;
    };
    variants_ = spin(1, kMostVariants, 30);
    size_ = spin(2, 9, 3);
    answers_ = choice({ texts::kWorksheetIntegers, texts::kWorksheetFractions, texts::kWorksheetDecimals });
    singular_ = choice({ texts::kWorksheetSingularNone, texts::kWorksheetSingularSome });
    range_ = spin(1, kLargestRange, 9);
    variants_->setObjectName(QStringLiteral("worksheetVariants"));
    size_->setObjectName(QStringLiteral("worksheetSize"));
    range_->setObjectName(QStringLiteral("worksheetRange"));
    title_ = line(qtText(texts::kWorksheetTitle));
    className_ = line({});
    date_ = line(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    seed_ = line({});
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,19}")), seed_));
    newSeed();
    newSeed_ = new QPushButton(qtText(texts::kWorksheetNewSeed), this);
    connect(newSeed_, &QPushButton::clicked, this, [this] {
        newSeed();
        updatePreview();
    });
    key_ = new QCheckBox(qtText(texts::kWorksheetKeyPart), this);
    key_->setChecked(true);
    solutions_ = new QCheckBox(qtText(texts::kWorksheetSolutionsPart), this);
    solutions_->setObjectName(QStringLiteral("worksheetSolutions"));
    for (QCheckBox* part : { key_, solutions_ })
        connect(part, &QCheckBox::toggled, this, &WorksheetDialog::updatePreview);
    perPage_ = new QComboBox(this);
    for (const int count : { 1, 2, 4 })
        perPage_->addItem(QString::number(count), count);
    perPage_->setCurrentIndex(1);
    connect(perPage_, &QComboBox::currentIndexChanged, this, &WorksheetDialog::updatePreview);
}

// The fields beside their labels, the seed with its button.
QFormLayout* WorksheetDialog::fieldRows()
{
    auto* form = new QFormLayout;
    const std::pair<texts::Text, QWidget*> rows[] = { { texts::kWorksheetVariantsLabel, variants_ },
        { texts::kWorksheetSizeLabel, size_ }, { texts::kWorksheetAnswersLabel, answers_ },
        { texts::kWorksheetSingularLabel, singular_ }, { texts::kWorksheetRangeLabel, range_ },
        { texts::kWorksheetTitleLabel, title_ }, { texts::kWorksheetClassLabel, className_ },
        { texts::kWorksheetDateLabel, date_ }, { texts::kWorksheetPerPageLabel, perPage_ } };
    for (const auto& [label, field] : rows)
        form->addRow(qtText(label), field);
    auto* seedLabel = new QLabel(qtText(texts::kWorksheetSeedLabel), this);
    seedLabel->setBuddy(seed_);
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(seed_);
    seedRow->addWidget(newSeed_);
    form->addRow(seedLabel, seedRow);
    form->addRow(QString(), key_);
    form->addRow(QString(), solutions_);

    return form;
}

void WorksheetDialog::newSeed()
{
    std::random_device device;
    seed_->setText(QString::number(device() % 1000000));
}

WorksheetRequest WorksheetDialog::request() const
{
    WorksheetRequest request;
    request.variants = variants_->value();
    request.n = size_->value();
    request.answers = static_cast<AnswerKind>(answers_->currentIndex());
    request.singular = singular_->currentIndex() == 0 ? SingularShare::None : SingularShare::Some;
    request.range = range_->value();
    request.seed = seed_->text().toULongLong();
    return request;
}

WorksheetLayout WorksheetDialog::layout() const
{
    WorksheetLayout layout;
    layout.title = title_->text().trimmed();
    layout.className = className_->text().trimmed();
    layout.date = date_->text().trimmed();
    layout.perPage = perPage_->currentData().toInt();
    layout.key = key_->isChecked();
    layout.solutions = solutions_->isChecked();
    return layout;
}

std::optional<WorksheetDialog::Made> WorksheetDialog::make()
{
    const WorksheetRequest asked = request();
    const WorksheetResult result = makeWorksheet(asked);
    if (const auto* shortfall = std::get_if<WorksheetShortfall>(&result)) {
        boxes_.inform(this, qtText(texts::kWorksheetDialogTitle), shortfallText(*shortfall, asked));
        return std::nullopt;
    }
    Made made { std::get<std::vector<Variant>>(result), {} };
    QProgressDialog progress(qtText(texts::kWorksheetWorking), qtText(texts::kWorksheetCancel), 0,
        static_cast<int>(made.variants.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kQuietMilliseconds);
    std::optional<WorkingDocument> document
        = worksheetDocument(made.variants, asked.seed, layout(), locale_, [&progress](int done) {
              progress.setValue(done);
              return !progress.wasCanceled();
          });
    if (!document)
        return std::nullopt;
    made.document = std::move(*document);
    return made;
}

void WorksheetDialog::updatePreview()
{
    // The first page alone: the worked solutions begin on later pages.
    WorksheetLayout first = layout();
    first.solutions = false;
    const WorksheetRequest asked = request();
    const WorksheetResult result = makeWorksheet(asked);
    const auto* variants = std::get_if<std::vector<Variant>>(&result);
    if (!variants) {
        preview_->setText(shortfallText(std::get<WorksheetShortfall>(result), asked));
        preview_->setWordWrap(true);
        return;
    }
    const std::optional<WorkingDocument> document = worksheetDocument(*variants, asked.seed, first, locale_);
    preview_->setPixmap(QPixmap::fromImage(pagePreview(*document, kPreviewWidth)));
}

bool WorksheetDialog::saveTo(const QString& path, int type)
{
    const std::optional<Made> made = make();
    if (!made)
        return false;
    const SavedForm& form = kSavedForms[type];
    QByteArray bytes;
    if (form.document) {
        bytes = workingBytes(made->document, *form.document);
    } else {
        bytes = QByteArray::fromStdString(worksheetWorkbook(made->variants, form.workbook));
        if (bytes.isEmpty()) {
            boxes_.inform(this, qtText(texts::kSaveFailedTitle),
                qtText(texts::kWorkbookNotMade).arg(QString::fromStdString(ZipArchive::library())));
            return false;
        }
    }
    return writeUserFile(this, boxes_, path, bytes, texts::kWorksheetSaveFailed);
}

void WorksheetDialog::save()
{
    const auto chosen = askFileToSave(this, boxes_, qtText(texts::kWorksheetSaveTitle),
        QDir::home().filePath(qtText(texts::kWorksheetDefaultName)),
        qtText(texts::kWorksheetFileFilters).split(QStringLiteral(";;")));
    if (chosen)
        saveTo(chosen->path, chosen->type);
}

void WorksheetDialog::print()
{
    const std::optional<Made> made = make();
    if (!made)
        return;
    const QString error = printWithDialog(this, made->document.title,
        [&made](QPagedPaintDevice& printer) { printWorking(made->document, printer); });
    if (!error.isEmpty())
        boxes_.inform(
            this, qtText(texts::kPrintFailedTitle), qtText(texts::kWorksheetPrintFailed).arg(error));
}

} // namespace cramer
