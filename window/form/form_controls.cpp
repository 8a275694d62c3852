// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/form_controls.h"

#include "report/texts.h"
#include "window/form/picture.h"
#include "window/form/scaled_layout.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace cramer {
namespace {

using tables::Band;
using tables::FontKind;

using texts::qtText;

} // namespace

FormControls::FormControls(QWidget* form, ScaledLayout& layout)
    : layout_(layout)
{
    createFrames(form);
    createSizeOptions();
    createGrid();
    createResultRows();
    createFixedLabels();
    createCommands();
    createMethodList();
    createPicture();
    createLines();
    createTabOrder();
}

std::vector<GridCell*> FormControls::systemCells(int n) const
{
    std::vector<GridCell*> result;
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n + 1; ++column)
            result.push_back(cell(row, column));
    return result;
}

void FormControls::createFrames(QWidget* form)
{
    for (std::size_t i = 0; i < tables::kFrames.size(); ++i) {
        const tables::FrameSpec& entry = tables::kFrames[i];
        auto* frame = new BandFrame(form);
        frame->setObjectName(QString::fromLatin1(entry.name));
        layout_.place(frame, entry.rect);
        frame->setAutoFillBackground(true);
        setColours(frame, QPalette::Window, entry.background, QPalette::WindowText, tables::kButtonText);
        frames_[i] = frame;
    }
    frame(Band::Selector)->setTitle(qtText(texts::kSizeFrameCaption));
}

void FormControls::createSizeOptions()
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

void FormControls::createGrid()
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

void FormControls::createResultRows()
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

void FormControls::createFixedLabels()
{
    for (const tables::FixedLabelSpec& entry : tables::kFixedLabels) {
        addLabel(entry.number, entry.band, entry.rect, entry.font, entry.background, tables::kButtonText);
    }
    // The only captions no handler ever changes.
    label(tables::kResultHeadingLabel)->setCaption(qtText(texts::kResultHeading));
    label(tables::kAttributionLabel)->setCaption(qtText(texts::kAttribution));
}

CaptionLabel* FormControls::addLabel(int number, Band band, const tables::TwipsRect& rect, FontKind font,
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

void FormControls::createCommands()
{
    const texts::Text* captions[]
        = { nullptr, &texts::kLayOutCommand, &texts::kClearCommand, &texts::kSolveCommand };
    for (const tables::CommandSpec& entry : tables::kCommands) {
        auto* button = new QPushButton(qtText(*captions[entry.number]), frame(Band::Results));
        button->setObjectName(QStringLiteral("Command%1").arg(entry.number));
        layout_.place(button, tables::commandRect(entry.top));
        // Enter and Escape press no button.
        button->setAutoDefault(false);
        button->setDefault(false);
        commands_[entry.number] = button;
    }
}

void FormControls::createMethodList()
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

void FormControls::createPicture()
{
    auto* picture = new PictureBox(frame(Band::Results));
    picture->setObjectName(QStringLiteral("Image1"));
    layout_.place(picture, tables::kPictureRect);
    picture->setAccessibleName(qtText(texts::kPictureAccessibleName));
}

void FormControls::createLines()
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

void FormControls::createTabOrder()
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

void FormControls::setGridMenuActions(const QList<QAction*>& actions) const
{
    for (tables::Band band : { tables::Band::Grid, tables::Band::Results }) {
        frame(band)->setContextMenuPolicy(Qt::ActionsContextMenu);
        frame(band)->addActions(actions);
    }
    for (int row = 1; row <= tables::kGridRows; ++row)
        for (int column = 1; column <= tables::kGridColumns; ++column)
            cell(row, column)->setExtraMenuActions(actions);
}

} // namespace cramer
