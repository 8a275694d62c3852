// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/form1.h"

#include "report/texts.h"
#include "window/form/grid_input.h"
#include "window/form/layout_tables.h"
#include "window/form/picture.h"
#include "window/form/solve_command.h"
#include "window/form/user_locale.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace cramer {
namespace {

using tables::Band;
using tables::FontKind;

using texts::qtText;

} // namespace

Form1::Form1(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent)
    , boxes_(boxes)
    , layout_(this)
{
    setObjectName(QStringLiteral("Form1"));
    layout_.useFont(this, FontKind::Window);
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, tables::kButtonFace, QPalette::WindowText, tables::kButtonText);

    createFrames();
    createSizeOptions();
    createGrid();
    createResultRows();
    createFixedLabels();
    createCommands();
    createMethodList();
    createPicture();
    createLines();
    createTabOrder();
    connectCells();
    gridInput_ = new GridInput(*this, boxes_);

    Form_Load();
}

GridCell* Form1::cell(int row, int column) const { return cells_.at(row).at(column); }
CaptionLabel* Form1::label(int number) const { return labels_.at(number); }
QRadioButton* Form1::option(int k) const { return options_.at(k); }
QPushButton* Form1::command(int number) const { return commands_.at(number); }
BarLine* Form1::line(int number) const { return lines_.at(number); }
QGroupBox* Form1::frame(tables::Band band) const { return frames_.at(static_cast<std::size_t>(band)); }

void Form1::createFrames()
{
    for (std::size_t i = 0; i < tables::kFrames.size(); ++i) {
        const tables::FrameSpec& entry = tables::kFrames[i];
        auto* frame = new BandFrame(this);
        frame->setObjectName(QString::fromLatin1(entry.name));
        layout_.place(frame, entry.rect);
        frame->setAutoFillBackground(true);
        setColours(frame, QPalette::Window, entry.background, QPalette::WindowText, tables::kButtonText);
        frames_[i] = frame;
    }
    frame(Band::Selector)->setTitle(qtText(texts::kSizeFrameCaption));
}

void Form1::createSizeOptions()
{
    for (int k = 1; k <= 8; ++k) {
        auto* option = new QRadioButton(QString::number(k + 1), frame(Band::Selector));
        option->setObjectName(QStringLiteral("Option%1").arg(k));
        layout_.place(option, tables::optionRect(k));
        layout_.useFont(option, FontKind::Control);
        option->setAutoFillBackground(true);
        setColours(option, QPalette::Window, tables::kButtonFace, QPalette::WindowText, tables::kButtonText);
        options_[k] = option;
    }
    options_[1]->setChecked(true);
}

// The cells and labels start empty: the clear at load would empty whatever
// placeholder they were built with before the window is first shown.

void Form1::createGrid()
{
    const QFont font = tables::makeFont(FontKind::Control);
    // Every cell and operator label has this font: the frame carries it.
    frame(Band::Grid)->setFont(font);
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            auto* cell = new GridCell(font, frame(Band::Grid));
            cell->setObjectName(QStringLiteral("Text%1").arg(tables::cellNumber(row, column)));
            layout_.place(cell, tables::cellRect(row, column));
            layout_.rememberFont(cell, FontKind::Control);
            const QString rowText = QString::number(row);
            const QString columnText = QString::number(column);
            cell->setRoleNames({ qtText(texts::kCellUnusedName).arg(rowText, columnText),
                qtText(texts::kCellCoefficientName).arg(rowText, columnText),
                qtText(texts::kCellFreeTermName).arg(rowText),
                qtText(texts::kCellAccessibleName).arg(rowText, columnText) });
            cell->setRole(GridCell::Role::Unused);
            // No colour yet: the load paints every cell before the window
            // is first shown.
            cells_[row][column] = cell;
        }
        for (int column = 1; column <= 9; ++column) {
            addLabel(tables::operatorLabelNumber(row, column), Band::Grid,
                tables::operatorLabelRect(row, column), FontKind::Control, tables::kGreen,
                tables::kButtonText);
        }
    }
}

void Form1::createResultRows()
{
    using tables::ResultColumn;
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (ResultColumn column : tables::kResultColumns) {
            addLabel(tables::resultLabelNumber(row, column), Band::Results,
                tables::resultLabelRect(row, column), FontKind::Control, tables::kTeal,
                tables::resultColumnSpec(column).textColour);
        }
    }
}

void Form1::createFixedLabels()
{
    for (const tables::FixedLabelSpec& entry : tables::kFixedLabels) {
        addLabel(entry.number, entry.band, entry.rect, entry.font, entry.background, tables::kButtonText);
    }
    // The only captions no handler ever changes.
    label(tables::kResultHeadingLabel)->setCaption(qtText(texts::kResultHeading));
    label(tables::kAttributionLabel)->setCaption(qtText(texts::kAttribution));
}

CaptionLabel* Form1::addLabel(int number, Band band, const tables::TwipsRect& rect, FontKind font,
    std::uint32_t background, std::uint32_t textColour)
{
    auto* label = new CaptionLabel(tables::makeFont(font), frame(band));
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    layout_.place(label, rect);
    layout_.rememberFont(label, font);
    // A label on its frame's own colours inherits them and needs no
    // background of its own: it looks the same and starts faster.
    const std::uint32_t frameBackground = tables::frameSpec(band).background;
    if (background != frameBackground || textColour != tables::kButtonText) {
        label->setAutoFillBackground(background != frameBackground);
        setColours(label, QPalette::Window, background, QPalette::WindowText, textColour);
    }
    label->hideIfBlank();
    labels_[number] = label;
    return label;
}

void Form1::createCommands()
{
    const char* captions[] = { nullptr, texts::kLayOutCommand, texts::kClearCommand, texts::kSolveCommand };
    for (const tables::CommandSpec& entry : tables::kCommands) {
        auto* button = new QPushButton(qtText(captions[entry.number]), frame(Band::Results));
        button->setObjectName(QStringLiteral("Command%1").arg(entry.number));
        layout_.place(button, tables::commandRect(entry.top));
        // Enter and Escape press no button.
        button->setAutoDefault(false);
        button->setDefault(false);
        commands_[entry.number] = button;
    }
    connect(commands_[1], &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(commands_[2], &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(commands_[3], &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::createMethodList()
{
    methodList_ = new QListWidget(frame(Band::Results));
    methodList_->setObjectName(QStringLiteral("List1"));
    layout_.place(methodList_, tables::kListRect);
    layout_.useFont(methodList_, FontKind::List);
    methodList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    methodList_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    methodList_->setTextElideMode(Qt::ElideNone);
    methodList_->setWordWrap(false);
    methodList_->setUniformItemSizes(true);
    methodList_->setItemDelegate(new PlainTextItems(methodList_));
    for (const texts::ListItem& item : texts::kMethodSummary) {
        methodList_->addItem(QString(item.leadingBlanks, QLatin1Char(' ')) + qtText(item.text)
            + QString(item.trailingBlanks, QLatin1Char(' ')));
    }
}

void Form1::createPicture()
{
    auto* picture = new PictureBox(frame(Band::Results));
    picture->setObjectName(QStringLiteral("Image1"));
    layout_.place(picture, tables::kPictureRect);
    picture->setAccessibleName(qtText(texts::kPictureAccessibleName));
}

void Form1::createLines()
{
    const QPalette& desktop = QApplication::palette();
    for (const tables::LineSpec& entry : tables::kLines) {
        const QColor band = tables::toQColor(tables::frameSpec(entry.band).background, desktop);
        auto* line = new BarLine(
            tables::foregroundColour(entry.colour, band, tables::kLineContrast, desktop), frame(entry.band));
        line->setObjectName(QStringLiteral("Line%1").arg(entry.number));
        line->setEnds(entry.x1, entry.y1, entry.x2, entry.y2);
        line->setDrawMode(entry.drawMode);
        line->raise();
        lines_[entry.number] = line;
        layout_.addBar(line);
    }
}

void Form1::createTabOrder()
{
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    // By name: Text11 … Text19, Text20 (the end of row 1), Text21, …, Text100.
    for (int number = tables::cellNumber(1, 1); number <= tables::cellNumber(9, 10); ++number)
        chain(cell(tables::cellRow(number), tables::cellColumn(number)));
    for (int k = 1; k <= 8; ++k)
        chain(options_[k]);
    chain(commands_[1]);
    chain(commands_[2]);
    chain(methodList_);
    chain(commands_[3]);
}

QString Form1::numberText(float value) const
{
    return QString::fromStdString(formatSingle(value, numberLocale_));
}

void Form1::connectCells()
{
    // Only the user edits a cell between commands.
    for (int row = 1; row <= tables::kGridRows; ++row)
        for (int column = 1; column <= tables::kGridColumns; ++column)
            connect(cell(row, column), &QLineEdit::textChanged, this, [this, row, column] {
                if (!commandRunning_ && row <= store_.SystemSize && column <= store_.SystemSize + 1)
                    emit cellEdited(row, column);
            });
}

void Form1::setGridMenuActions(const QList<QAction*>& actions)
{
    for (tables::Band band : { tables::Band::Grid, tables::Band::Results }) {
        frame(band)->setContextMenuPolicy(Qt::ActionsContextMenu);
        frame(band)->addActions(actions);
    }
    for (int row = 1; row <= tables::kGridRows; ++row)
        for (int column = 1; column <= tables::kGridColumns; ++column)
            cell(row, column)->setExtraMenuActions(actions);
}

void Form1::Command3_Click()
{
    if (commandRunning_)
        return;
    const QScopedValueRollback running(commandRunning_, true);
    numberLocale_ = userNumberLocale();
    emit gridReset();

    SolveCommand command(*this, boxes_);
    const SolveRecord record = command.run(store_, numberLocale_);
    const SolveOutcome& outcome = record.outcome;
    if (record.reachedEnd()) {
        emit solveFinished(record);
    } else if (outcome.status == SolveStatus::BadCell) {
        command.reportBadCell(*outcome.cell, store_.SystemSize, numberLocale_);
    } else if (outcome.status == SolveStatus::Overflow) {
        // The system as typed, back in the grid.
        enterSystem(record.typed);
        command.reportOverflow(*outcome.overflow, numberLocale_);
    }
}

} // namespace cramer
