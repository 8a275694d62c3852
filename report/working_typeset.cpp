// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_typeset.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringBuilder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace cramer {
namespace {

// Block properties that page breaking reads.
constexpr int kKeepWithNext = QTextFormat::UserProperty + 1;
constexpr int kKeepWhole = QTextFormat::UserProperty + 2;

// A matrix is set no smaller than this share of the text's size.
constexpr qreal kSmallestMatrixScale = 0.6;
const QColor kReplacedColumn(0xff, 0xf0, 0xa0);

class Typesetter {
public:
    Typesetter(QTextDocument& target, const TypesetPages* pages)
        : target_(target)
        , cursor_(&target)
        , pages_(pages)
        , unit_(1.0)
    {
    }

    bool fitted() const { return fitted_; }

    void title(const QString& text)
    {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setProperty(QTextFormat::FontSizeAdjustment, 2);
        block(keptBlock(12, true), format);
        cursor_.insertText(text, format);
    }

    void heading(const Runs& content)
    {
        QTextBlockFormat format = keptBlock(6, true);
        format.setTopMargin(12 * unit_);
        format.setHeadingLevel(2);
        QTextCharFormat characters;
        characters.setFontWeight(QFont::Bold);
        characters.setProperty(QTextFormat::FontSizeAdjustment, 1);
        block(format, characters);
        runs(content, characters);
    }

    void paragraph(const Block& entry)
    {
        QTextBlockFormat format = keptBlock(4, entry.keepWithNext);
        QTextCharFormat characters;
        if (entry.kind == Block::Kind::Formula) {
            format.setLeftMargin(24 * unit_);
            format.setTextIndent(-12 * unit_);
            format.setProperty(kKeepWhole, true);
        } else if (entry.kind == Block::Kind::Verdict) {
            format.setProperty(kKeepWhole, true);
            characters.setFontWeight(QFont::Bold);
        }
        block(format, characters);
        runs(entry.runs, characters);
    }

    void matrix(const MatrixBlock& entry)
    {
        const int rows = static_cast<int>(entry.rows.size());
        const int nameColumns = entry.name.empty() ? 0 : 1;
        const int columns = rows == 0 ? 0 : static_cast<int>(entry.rows.front().size());
        const qreal padding = 3 * unit_;
        const qreal indent = 24 * unit_;

        QTextCharFormat characters;
        if (pages_) {
            // The widest text of each column, at the text's size.
            const QFontMetricsF metrics(target_.defaultFont(), pages_->device);
            qreal needed
                = indent + (nameColumns ? metrics.horizontalAdvance(plainOf(entry.name)) + 2 * padding : 0);
            for (int j = 0; j < columns; ++j) {
                qreal widest = 0;
                for (const auto& row : entry.rows)
                    widest = std::max(
                        widest, metrics.horizontalAdvance(row[static_cast<std::size_t>(j)].plain()));
                needed += widest + 2 * padding + 2 * unit_;
            }
            if (needed > pages_->width) {
                const qreal base = target_.defaultFont().pointSizeF();
                qreal scale = pages_->width / needed;
                if (scale < kSmallestMatrixScale) {
                    scale = kSmallestMatrixScale;
                    fitted_ = false;
                }
                characters.setFontPointSize(std::floor(base * scale * 10) / 10);
            }
        }

        QTextTableFormat format;
        format.setBorder(0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
        format.setCellPadding(padding);
        format.setCellSpacing(0);
        format.setLeftMargin(indent);
        format.setTopMargin(2 * unit_);
        format.setBottomMargin(6 * unit_);
        format.setBorderCollapse(true);
        format.setAlignment(Qt::AlignLeft);
        cursor_.movePosition(QTextCursor::End);
        QTextTable* table = cursor_.insertTable(rows, columns + nameColumns, format);
        if (nameColumns) {
            table->mergeCells(0, 0, rows, 1);
            QTextTableCell cell = table->cellAt(0, 0);
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            cell.setFormat(cellFormat);
            QTextCursor inside = cell.firstCursorPosition();
            runsAt(inside, entry.name, characters);
        }
        QTextBlockFormat number;
        number.setAlignment(Qt::AlignRight);
        number.setNonBreakableLines(true);
        for (int i = 0; i < rows; ++i) {
            for (int j = 0; j < columns; ++j) {
                QTextTableCell cell = table->cellAt(i, j + nameColumns);
                QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                if (entry.bars && j == 0)
                    bar(cellFormat, &QTextTableCellFormat::setLeftBorder,
                        &QTextTableCellFormat::setLeftBorderStyle, &QTextTableCellFormat::setLeftBorderBrush);
                if (entry.bars && j + 1 == columns)
                    bar(cellFormat, &QTextTableCellFormat::setRightBorder,
                        &QTextTableCellFormat::setRightBorderStyle,
                        &QTextTableCellFormat::setRightBorderBrush);
                QTextCharFormat cellCharacters = characters;
                if (j + 1 == entry.markedColumn) {
                    cellFormat.setBackground(kReplacedColumn);
                    cellCharacters.setFontWeight(QFont::Bold);
                }
                cell.setFormat(cellFormat);
                QTextCursor inside = cell.firstCursorPosition();
                inside.setBlockFormat(number);
                numberAt(inside, entry.rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)],
                    cellCharacters);
            }
        }
        cursor_.movePosition(QTextCursor::End);
        afterTable_ = true;
    }

private:
    QTextBlockFormat keptBlock(qreal below, bool withNext) const
    {
        QTextBlockFormat format;
        format.setBottomMargin(below * unit_);
        if (withNext) {
            format.setProperty(kKeepWithNext, true);
            format.setProperty(kKeepWhole, true);
        }
        return format;
    }

    void block(const QTextBlockFormat& format, const QTextCharFormat& characters)
    {
        cursor_.movePosition(QTextCursor::End);
        if (first_ || afterTable_) {
            cursor_.setBlockFormat(format);
            cursor_.setBlockCharFormat(characters);
        } else {
            cursor_.insertBlock(format, characters);
        }
        first_ = false;
        afterTable_ = false;
    }

    template <typename Width, typename Style, typename Brush>
    void bar(QTextTableCellFormat& format, Width width, Style style, Brush brush) const
    {
        (format.*width)(1.5 * unit_);
        (format.*style)(QTextFrameFormat::BorderStyle_Solid);
        (format.*brush)(QBrush(Qt::black));
    }

    static QString plainOf(const Runs& content)
    {
        QString text;
        for (const Run& run : content)
            text += run.kind == Run::Kind::Number ? run.number.plain() : run.text + QStringLiteral("  ");
        return text;
    }

    void runs(const Runs& content, const QTextCharFormat& base) { runsAt(cursor_, content, base); }

    static void runsAt(QTextCursor& cursor, const Runs& content, const QTextCharFormat& base)
    {
        QTextCharFormat italic = base;
        italic.setFontItalic(true);
        QTextCharFormat lowered = base;
        lowered.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        for (const Run& run : content) {
            switch (run.kind) {
            case Run::Kind::Text:
                cursor.insertText(run.text, base);
                break;
            case Run::Kind::Number:
                numberAt(cursor, run.number, base);
                break;
            case Run::Kind::Name:
                cursor.insertText(run.text, italic);
                if (run.index != 0)
                    cursor.insertText(QString::number(run.index), lowered);
                break;
            case Run::Kind::Fraction:
                cursor.insertText((run.number.negative ? QStringLiteral("−") : QString()) % run.number.digits
                        % QLatin1Char('/') % run.denominator,
                    base);
                break;
            case Run::Kind::Operator:
                cursor.insertText(run.text == QStringLiteral("·") || run.text == QStringLiteral("/")
                        ? run.text
                        : QChar(0x00A0) % run.text % QLatin1Char(' '),
                    base);
                break;
            }
        }
    }

    static void numberAt(QTextCursor& cursor, const WrittenNumber& number, const QTextCharFormat& base)
    {
        const QString open = number.parenthesized ? QStringLiteral("(") : QString();
        const QString close = number.parenthesized ? QStringLiteral(")") : QString();
        if (!number.scaled || number.infinite) {
            cursor.insertText(open % number.signedDigits() % close, base);
            return;
        }
        QTextCharFormat raised = base;
        raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        cursor.insertText(open % number.signedDigits() % QStringLiteral("·10"), base);
        cursor.insertText((number.exponent < 0 ? QStringLiteral("−") : QString())
                % QString::number(std::abs(number.exponent)),
            raised);
        if (!close.isEmpty())
            cursor.insertText(close, base);
    }

    QTextDocument& target_;
    QTextCursor cursor_;
    const TypesetPages* pages_;
    const qreal unit_;
    bool first_ = true;
    bool afterTable_ = false;
    bool fitted_ = true;
};

// Page breaking: whatever would be split or left alone at a page's foot
// moves to the next page: a matrix, a formula or a verdict that crosses a
// page boundary, and a heading or lead-in parted from what it introduces.
class PageBreaker {
public:
    PageBreaker(QTextDocument& document, qreal pageHeight)
        : document_(document)
        , layout_(*document.documentLayout())
        , height_(pageHeight)
    {
        for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* frame = it.currentFrame())
                items_.push_back({ {}, frame });
            else
                items_.push_back({ it.currentBlock(), nullptr });
        }
    }

    // Every page break at once, found from the layout without pages, which
    // costs one layout where moving one item at a time costs one each.
    void planFromContinuousLayout()
    {
        margin_ = items_.empty() ? 0 : rect(items_.front()).top();
        std::vector<qreal> placed(items_.size());
        std::vector<std::size_t> breaks;
        qreal offset = 0;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const QRectF natural = rect(items_[i]);
            if (!items_[i].frame && !keepsWhole(items_[i])) {
                // Qt moves a line that crosses the page's foot to the next page.
                const QTextLayout* lines = items_[i].block.layout();
                for (int j = 0; lines && j < lines->lineCount(); ++j) {
                    const QRectF line = lines->lineAt(j).rect().translated(0, natural.top() + offset);
                    if (line.bottom() > foot(page(line.top())))
                        offset += pageTop(page(line.top()) + 1) - line.top();
                    if (j == 0)
                        placed[i] = line.top();
                }
                if (!lines || lines->lineCount() == 0)
                    placed[i] = natural.top() + offset;
                continue;
            }
            placed[i] = natural.top() + offset;
            const qreal bottom = natural.bottom() + offset;
            const bool crosses = bottom > foot(page(placed[i]));
            const bool parted
                = i > 0 && keepsWithNext(items_[i - 1]) && page(placed[i - 1]) != page(placed[i]);
            if (!crosses && !parted)
                continue;
            std::size_t first = i;
            while (first > 0 && keepsWithNext(items_[first - 1]))
                --first;
            const int from = page(placed[first]);
            if (placed[first] - pageTop(from) < 1 || bottom - placed[first] > foot(0) - margin_)
                continue; // already at a page's top, or taller than a page
            const qreal shift = pageTop(from + 1) - placed[first];
            for (std::size_t k = first; k <= i; ++k)
                placed[k] += shift;
            offset += shift;
            breaks.push_back(first);
        }
        QTextCursor edit(&document_);
        edit.beginEditBlock();
        for (std::size_t i : breaks)
            breakBefore(items_[i]);
        edit.endEditBlock();
    }

    // With the pages laid out: moves what the plan missed, one at a time.
    void mendPaginatedLayout()
    {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const QRectF here = rect(items_[i]);
            if (here.isEmpty())
                continue;
            const bool split = keepsWhole(items_[i]) && here.height() < height_
                && page(here.top()) != page(here.bottom() - 1);
            const bool parted = keepsWithNext(items_[i]) && i + 1 < items_.size()
                && page(here.bottom() - 1) != page(rect(items_[i + 1]).top());
            if (!split && !parted)
                continue;
            std::size_t first = i;
            while (first > 0 && keepsWithNext(items_[first - 1]))
                --first;
            const QRectF start = rect(items_[first]);
            // A group that already starts a page, or fills more than one, stays.
            if (start.top() - page(start.top()) * height_ < height_ / 20
                || here.bottom() - start.top() > height_)
                continue;
            breakBefore(items_[first]);
        }
    }

private:
    struct Item {
        QTextBlock block;
        QTextFrame* frame = nullptr;
    };

    QRectF rect(const Item& item) const
    {
        return item.frame ? layout_.frameBoundingRect(item.frame) : layout_.blockBoundingRect(item.block);
    }
    static bool keepsWhole(const Item& item)
    {
        return item.frame || item.block.blockFormat().boolProperty(kKeepWhole);
    }
    static bool keepsWithNext(const Item& item)
    {
        return !item.frame && item.block.blockFormat().boolProperty(kKeepWithNext);
    }
    int page(qreal y) const { return static_cast<int>(std::floor(y / height_)); }
    qreal pageTop(int page) const { return page * height_ + margin_; }
    qreal foot(int page) const { return (page + 1) * height_ - margin_; }

    void breakBefore(const Item& item)
    {
        if (item.frame) {
            QTextFrameFormat format = item.frame->frameFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            item.frame->setFrameFormat(format);
        } else {
            QTextBlockFormat format = item.block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(item.block).setBlockFormat(format);
        }
    }

    QTextDocument& document_;
    QAbstractTextDocumentLayout& layout_;
    const qreal height_;
    qreal margin_ = 0;
    std::vector<Item> items_;
};

} // namespace

bool typesetWorking(const WorkingDocument& document, QTextDocument& target, const TypesetPages* pages)
{
    target.clear();
    // Laid out once, when the pages are set after the content.
    target.setPageSize(QSizeF());
    if (pages)
        target.documentLayout()->setPaintDevice(pages->device);
    target.setUndoRedoEnabled(false);
    Typesetter typesetter(target, pages);
    // One layout for the whole document, not one per inserted text.
    QTextCursor(&target).beginEditBlock();
    typesetter.title(document.title);
    for (const Section& section : document.sections) {
        if (!section.heading.empty())
            typesetter.heading(section.heading);
        for (const Block& block : section.blocks) {
            if (block.kind == Block::Kind::Matrix)
                typesetter.matrix(block.matrix);
            else
                typesetter.paragraph(block);
        }
    }
    QTextCursor(&target).endEditBlock();
    if (pages) {
        target.setPageSize(QSizeF(pages->width, 1e9)); // one long page of the text's width
        PageBreaker breaker(target, pages->height);
        breaker.planFromContinuousLayout();
        target.setPageSize(QSizeF(pages->width, pages->height));
        breaker.mendPaginatedLayout();
    }
    return typesetter.fitted();
}

} // namespace cramer
