// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_typeset.h"
#include "report/figure_paint.h"
#include "report/matrix_paint.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QHash>
#include <QStringBuilder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace cramer {
namespace {

// Block properties that page breaking reads.
constexpr int kKeepWithNext = QTextFormat::UserProperty + 1;
constexpr int kKeepWhole = QTextFormat::UserProperty + 2;
constexpr int kPageBreakBefore = QTextFormat::UserProperty + 3;
// The height of the one page pages are laid out on, before they are cut.
constexpr qreal kLongPage = 1e9;

constexpr qreal kMatrixIndent = 24;
// A matrix is set no smaller than this share of the text's size.
constexpr qreal kSmallestMatrixScale = 0.6;

class Typesetter {
public:
    Typesetter(QTextDocument& target, const TypesetPages* pages)
        : target_(target)
        , cursor_(&target)
        , pages_(pages)
    {
    }

    bool fitted() const { return fitted_; }
    // Inserts what is still pending; the last call.
    void finish() { flush(); }

    void title(const QString& text)
    {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setProperty(QTextFormat::FontSizeAdjustment, 2);
        block(keptBlock(12, true), format);
        write(text, format);
    }

    void heading(const Runs& content)
    {
        QTextBlockFormat format = keptBlock(6, true);
        format.setTopMargin(12);
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
            format.setLeftMargin(24);
            format.setTextIndent(-12);
            format.setProperty(kKeepWhole, true);
        } else if (entry.kind == Block::Kind::Verdict) {
            format.setProperty(kKeepWhole, true);
            characters.setFontWeight(QFont::Bold);
        }
        block(format, characters);
        runs(entry.runs, characters);
    }

    // The next block begins a page.
    void breakPage() { pageBreak_ = true; }

    // A line across the page, where a printed sheet is cut.
    void rule()
    {
        QTextBlockFormat format = keptBlock(6, false);
        format.setTopMargin(6);
        format.setProperty(
            QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
        block(format, {});
    }

    // A picture on a line of its own, with its caption on the same page.
    void figure(const Block& entry)
    {
        QTextBlockFormat format = keptBlock(6, true);
        format.setTopMargin(6);
        format.setAlignment(Qt::AlignHCenter);
        format.setNonBreakableLines(true);
        block(format, {});
        flush();
        FigureObjects::insert(cursor_, figureDrawing(*entry.figure));
    }

    // A matrix as one line of text per row, its columns set by right-aligned
    // tab stops: a fraction of the cost of a table of cells, and read, copied
    // and selected as text. The bars are box-drawing lines that join from row
    // to row.
    void matrix(const MatrixBlock& entry)
    {
        const QString name = plainOf(entry.name);
        const QString bar = entry.bars ? QStringLiteral("│") : QString();
        QFont font = target_.defaultFont();
        MatrixWidths w = MatrixWidths::of(entry, name, bar, widthsIn(font));
        QTextCharFormat characters;
        // A few percent are kept free: the replaced column is set bold,
        // wider than its entries are measured.
        const qreal room = pages_ ? pages_->width * 0.96 : 0;
        if (pages_ && w.total() > room) {
            qreal scale = room / w.total();
            if (scale < kSmallestMatrixScale) {
                scale = kSmallestMatrixScale;
                fitted_ = false;
            }
            font.setPointSizeF(std::floor(font.pointSizeF() * scale * 10) / 10);
            characters.setFontPointSize(font.pointSizeF());
            w = MatrixWidths::of(entry, name, bar, widthsIn(font));
        }
        if (pages_) {
            matrixPicture(entry, w, font, characters);
            return;
        }
        QString lead;
        const QList<QTextOption::Tab> stops = w.stops(!name.isEmpty(), bar, lead);
        matrixRows(entry, stops, lead, bar, characters);
    }

private:
    // Widths in the layout's units, pixels at 96 dpi.
    struct MatrixWidths {
        qreal name;
        qreal bar;
        qreal gap;
        std::vector<qreal> columns;

        static MatrixWidths of(const MatrixBlock& entry, const QString& name, const QString& bar,
            const std::function<qreal(const QString&)>& widthOf)
        {
            MatrixWidths w { widthOf(name), widthOf(bar), widthOf(QStringLiteral("00")), {} };
            const std::size_t columns = entry.rows.empty() ? 0 : entry.rows.front().size();
            for (std::size_t j = 0; j < columns; ++j) {
                qreal widest = 0;
                for (const auto& row : entry.rows)
                    widest = std::max(widest, widthOf(row[j].plain()));
                w.columns.push_back(widest);
            }
            return w;
        }
        qreal total() const
        {
            qreal sum = kMatrixIndent + name + 2 * (bar + gap);
            for (std::size_t j = 0; j < columns.size(); ++j)
                sum += columns[j] + (j > 0 ? gap : 0);
            return sum;
        }
        // Stops, from the block's margin and each beyond the one before: the
        // left bar after the name, the right edge of each column, the right
        // bar; `lead` is what each row starts with before its first number.
        QList<QTextOption::Tab> stops(bool named, const QString& barText, QString& lead) const
        {
            QList<QTextOption::Tab> stops;
            qreal x = named ? name + gap / 2 : 0;
            if (!barText.isEmpty()) {
                if (named) {
                    stops << QTextOption::Tab(x, QTextOption::LeftTab);
                    lead = QStringLiteral("\t");
                }
                lead += barText;
                x += bar;
            }
            for (std::size_t j = 0; j < columns.size(); ++j) {
                x += columns[j] + (j > 0 || !barText.isEmpty() ? gap : 0);
                stops << QTextOption::Tab(x, QTextOption::RightTab);
            }
            if (!barText.isEmpty())
                stops << QTextOption::Tab(x + gap / 2, QTextOption::LeftTab);
            return stops;
        }
    };

    void matrixRows(const MatrixBlock& entry, const QList<QTextOption::Tab>& stops, const QString& lead,
        const QString& bar, const QTextCharFormat& characters)
    {
        QTextCharFormat marked = characters;
        marked.setFontWeight(QFont::Bold);
        marked.setBackground(kReplacedColumn);
        const std::size_t middle = (entry.rows.size() - 1) / 2;
        for (std::size_t i = 0; i < entry.rows.size(); ++i) {
            QTextBlockFormat format;
            format.setLeftMargin(kMatrixIndent);
            format.setTabPositions(stops);
            format.setNonBreakableLines(true);
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
            format.setProperty(kKeepWhole, true);
            if (i + 1 < entry.rows.size())
                format.setProperty(kKeepWithNext, true);
            else
                format.setBottomMargin(6);
            if (i == 0)
                format.setTopMargin(2);
            block(format, characters);
            if (i == middle)
                runs(entry.name, characters);
            write(lead, characters);
            for (std::size_t j = 0; j < entry.rows[i].size(); ++j) {
                write(QStringLiteral("\t"), characters);
                numberAt(
                    entry.rows[i][j], static_cast<int>(j) + 1 == entry.markedColumn ? marked : characters);
            }
            if (!bar.isEmpty())
                write(QStringLiteral("\t") % bar, characters);
            if (i == middle)
                runs(entry.value, characters);
        }
    }

    // On pages, a matrix is one object (matrix_paint.h) in a block of its own.
    void matrixPicture(
        const MatrixBlock& entry, const MatrixWidths& w, const QFont& font, const QTextCharFormat& characters)
    {
        QTextCharFormat marked = characters;
        marked.setFontWeight(QFont::Bold);
        QFont bold = font;
        bold.setWeight(QFont::Bold);
        auto picture = std::make_shared<MatrixPicture>();
        picture->font = font;
        const QFontMetricsF metrics(font);
        picture->lineHeight = metrics.ascent() + metrics.descent();
        picture->ascent = metrics.ascent();
        picture->markedColumn = entry.markedColumn - 1;
        picture->name = pictureText(
            font, characters, [&](const auto& sink) { emitRuns(entry.name, characters, sink); });
        // As the rows' tab stops stand in the window: the bars' glyphs,
        // each column's right edge, a gap between.
        qreal x = picture->name.width > 0 ? picture->name.width + w.gap / 2 : 0;
        if (entry.bars) {
            picture->bars.push_back(x + w.bar / 2);
            x += w.bar;
        }
        for (std::size_t j = 0; j < w.columns.size(); ++j) {
            x += w.columns[j] + (j > 0 || entry.bars ? w.gap : 0);
            picture->rights.push_back(x);
        }
        if (entry.bars) {
            picture->bars.push_back(x + w.gap / 2 + w.bar / 2);
            x += w.gap / 2 + w.bar;
        }
        picture->value = pictureText(
            font, characters, [&](const auto& sink) { emitRuns(entry.value, characters, sink); });
        picture->valueLeft = x;
        picture->width = x + picture->value.width;
        for (const auto& row : entry.rows) {
            std::vector<MatrixPicture::Text> entries;
            for (std::size_t j = 0; j < row.size(); ++j) {
                const bool replaced = static_cast<int>(j) == picture->markedColumn;
                const QTextCharFormat& base = replaced ? marked : characters;
                entries.push_back(pictureText(
                    replaced ? bold : font, base, [&](const auto& sink) { emitNumber(row[j], base, sink); }));
            }
            picture->rows.push_back(std::move(entries));
        }
        QTextBlockFormat format;
        format.setLeftMargin(kMatrixIndent);
        format.setNonBreakableLines(true);
        format.setProperty(kKeepWhole, true);
        format.setTopMargin(2);
        format.setBottomMargin(6);
        block(format, characters);
        flush();
        MatrixObjects::insert(cursor_, std::move(picture));
    }

    // The pieces `hand` hands on, laid out as a matrix picture's text: in
    // one format, once for every matrix that shows it.
    template <typename Hand>
    MatrixPicture::Text pictureText(const QFont& font, const QTextCharFormat& base, Hand&& hand)
    {
        QString text;
        QList<QTextLayout::FormatRange> formats;
        hand([&](const QString& piece, const QTextCharFormat& format) {
            if (format != base)
                formats.append({ static_cast<int>(text.size()), static_cast<int>(piece.size()), format });
            text += piece;
        });
        const std::shared_ptr<const QTextLayout> layout
            = formats.isEmpty() ? plainLayout(font, text) : laidOut(text, font, formats);
        return { layout, layout->lineAt(0).naturalTextWidth() };
    }

    // `text` laid out in `font` once, whatever measures or draws it.
    const std::shared_ptr<const QTextLayout>& plainLayout(const QFont& font, const QString& text)
    {
        auto& known = layouts_[font][text];
        if (!known)
            known = laidOut(text, font, {});
        return known;
    }

    static std::shared_ptr<const QTextLayout> laidOut(
        const QString& text, const QFont& font, const QList<QTextLayout::FormatRange>& formats)
    {
        auto layout = std::make_shared<QTextLayout>(text, font);
        QTextOption option;
        option.setUseDesignMetrics(true);
        layout->setTextOption(option);
        layout->setFormats(formats);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
        return layout;
    }

    // How wide texts are in `font`: on pages as they are laid out and drawn
    // there, in the window as the screen shows them.
    std::function<qreal(const QString&)> widthsIn(const QFont& font)
    {
        if (pages_)
            return [this, font](
                       const QString& text) { return plainLayout(font, text)->lineAt(0).naturalTextWidth(); };
        QHash<QString, qreal>& known = widths_[font];
        return [&known, metrics = QFontMetricsF(font)](const QString& text) {
            auto width = known.constFind(text);
            if (width == known.cend())
                width = known.insert(text, metrics.horizontalAdvance(text));
            return *width;
        };
    }

    QTextBlockFormat keptBlock(qreal below, bool withNext) const
    {
        QTextBlockFormat format;
        format.setBottomMargin(below);
        if (withNext) {
            format.setProperty(kKeepWithNext, true);
            format.setProperty(kKeepWhole, true);
        }
        return format;
    }

    void block(QTextBlockFormat format, const QTextCharFormat& characters)
    {
        if (pageBreak_)
            format.setProperty(kPageBreakBefore, true);
        pageBreak_ = false;
        flush();
        if (first_) {
            cursor_.setBlockFormat(format);
            cursor_.setBlockCharFormat(characters);
        } else {
            cursor_.insertBlock(format, characters);
        }
        first_ = false;
    }

    // The runs as one line of text, to measure them.
    static QString plainOf(const Runs& content)
    {
        QString text;
        for (const Run& run : content) {
            switch (run.kind) {
            case Run::Kind::Number:
                text += run.number.plain();
                break;
            case Run::Kind::Name:
                text += run.text % (run.index == 0 ? QString() : QString::number(run.index));
                break;
            case Run::Kind::Fraction:
                text += run.number.signedDigits() % QLatin1Char('/') % run.denominator;
                break;
            case Run::Kind::Operator:
            case Run::Kind::Text:
                text += run.text.size() == 1 && run.kind == Run::Kind::Operator ? QLatin1Char(' ') % run.text
                                                                                : run.text;
                break;
            }
        }
        return text;
    }

    // Text in one format is inserted at once: an insertion costs far more
    // than its characters.
    void write(const QString& text, const QTextCharFormat& format)
    {
        if (format != pendingFormat_)
            flush();
        pending_ += text;
        pendingFormat_ = format;
    }
    void flush()
    {
        if (!pending_.isEmpty())
            cursor_.insertText(pending_, pendingFormat_);
        pending_.clear();
    }

    void runs(const Runs& content, const QTextCharFormat& base)
    {
        emitRuns(content, base,
            [this](const QString& text, const QTextCharFormat& format) { write(text, format); });
    }
    void numberAt(const WrittenNumber& number, const QTextCharFormat& base)
    {
        emitNumber(number, base,
            [this](const QString& text, const QTextCharFormat& format) { write(text, format); });
    }

    // The runs as pieces of text, each in its format, handed to `sink`.
    template <typename Sink>
    static void emitRuns(const Runs& content, const QTextCharFormat& base, Sink&& sink)
    {
        QTextCharFormat italic = base;
        italic.setFontItalic(true);
        QTextCharFormat lowered = base;
        lowered.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        for (const Run& run : content) {
            switch (run.kind) {
            case Run::Kind::Text:
                sink(run.text, base);
                break;
            case Run::Kind::Number:
                emitNumber(run.number, base, sink);
                break;
            case Run::Kind::Name:
                sink(run.text, italic);
                if (run.index != 0)
                    sink(QString::number(run.index), lowered);
                break;
            case Run::Kind::Fraction:
                sink((run.number.negative ? QStringLiteral("−") : QString()) % run.number.digits
                        % QLatin1Char('/') % run.denominator,
                    base);
                break;
            case Run::Kind::Operator:
                sink(run.tight() ? run.text : QChar(0x00A0) % run.text % QLatin1Char(' '), base);
                break;
            }
        }
    }

    template <typename Sink>
    static void emitNumber(const WrittenNumber& number, const QTextCharFormat& base, Sink&& sink)
    {
        const QString open = number.parenthesized ? QStringLiteral("(") : QString();
        const QString close = number.parenthesized ? QStringLiteral(")") : QString();
        if (const auto [start, end] = number.markedDigits(); start != end && !number.infinite) {
            QTextCharFormat bold = base;
            bold.setFontWeight(QFont::Bold);
            sink(
                open % (number.negative ? QStringLiteral("−") : QString()) % number.digits.left(start), base);
            sink(number.digits.sliced(start, end - start), bold);
            sink(number.digits.mid(end), base);
        } else {
            sink(open % number.signedDigits(), base);
        }
        if (!number.scaled || number.infinite) {
            sink(close, base);
            return;
        }
        QTextCharFormat raised = base;
        raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        sink(QStringLiteral("·10"), base);
        sink((number.exponent < 0 ? QStringLiteral("−") : QString())
                % QString::number(std::abs(number.exponent)),
            raised);
        if (!close.isEmpty())
            sink(close, base);
    }

    QTextDocument& target_;
    QTextCursor cursor_;
    const TypesetPages* pages_;
    bool first_ = true;
    bool fitted_ = true;
    bool pageBreak_ = false;
    // Texts' widths and layouts by font. The determinants d_i share all
    // columns but one with d, and measuring a text costs far more than
    // looking it up.
    std::map<QFont, QHash<QString, qreal>> widths_;
    std::map<QFont, QHash<QString, std::shared_ptr<const QTextLayout>>> layouts_;
    QString pending_;
    QTextCharFormat pendingFormat_;
};

} // namespace

bool typesetWorking(const WorkingDocument& document, QTextDocument& target, const TypesetPages* pages)
{
    // A document with a null page size is not laid out at all: the content
    // grows without a layout, which runs once, when the size is set again.
    const QSizeF viewSize = target.pageSize();
    target.setPageSize(QSizeF(0, 0));
    target.clear();
    target.setUndoRedoEnabled(false);
    // Pages are laid out at the screen's resolution with the fonts' own
    // metrics and scaled as they are painted: the positions are the same at
    // any resolution, and the font engines are the screen's, already loaded.
    target.setUseDesignMetrics(pages != nullptr);
    if (document.section(Section::Id::Figures))
        FigureObjects::registerWith(&target);
    if (pages)
        MatrixObjects::registerWith(&target);
    Typesetter typesetter(target, pages);
    typesetter.title(document.title);
    for (const Section& section : document.sections) {
        if (section.newPage)
            typesetter.breakPage();
        if (!section.heading.empty())
            typesetter.heading(section.heading);
        for (std::size_t i = 0; i < section.blocks.size(); ++i) {
            const Block& block = section.blocks[i];
            if (block.kind == Block::Kind::Matrix) {
                typesetter.matrix(block.matrix);
            } else if (block.kind == Block::Kind::Figure) {
                typesetter.figure(block);
            } else if (block.kind == Block::Kind::Rule) {
                typesetter.rule();
            } else if (section.keepWhole && i + 1 < section.blocks.size()) {
                Block kept = block;
                kept.keepWithNext = true;
                typesetter.paragraph(kept);
            } else {
                typesetter.paragraph(block);
            }
        }
    }
    typesetter.finish();
    if (!pages) {
        target.setPageSize(viewSize);
        return typesetter.fitted();
    }
    // Pages are painted after the last layout: the glyphs it shaped are kept
    // for them rather than shaped again.
    for (QTextBlock block = target.begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    // One long page of the text's width, cut into pages by pageSlices: Qt's
    // own pages are not used, since its relayout after a page break may
    // leave what follows unplaced, lost from the pages.
    target.setPageSize(QSizeF(pages->width, kLongPage));
    return typesetter.fitted();
}

namespace {

// What may not be parted: a block or a frame, in order; chained to the next
// where a block keeps with it. A paragraph's lines stay together too: a page
// painted from part of a block would still hold the rest of it, unseen, in
// its text.
struct Unit {
    qreal top;
    qreal bottom;
    bool withNext;
    bool newPage = false;
};

std::vector<Unit> unitsOf(const QTextDocument& text)
{
    std::vector<Unit> units;
    QAbstractTextDocumentLayout& layout = *text.documentLayout();
    for (auto it = text.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            const QRectF rect = layout.frameBoundingRect(frame);
            units.push_back({ rect.top(), rect.bottom(), false });
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const QRectF rect = layout.blockBoundingRect(block);
        units.push_back({ rect.top(), rect.bottom(), block.blockFormat().boolProperty(kKeepWithNext),
            block.blockFormat().boolProperty(kPageBreakBefore) });
    }
    return units;
}

} // namespace

std::vector<PageSlice> pageSlices(const QTextDocument& text, qreal height)
{
    const std::vector<Unit> units = unitsOf(text);
    std::vector<PageSlice> pages;
    qreal start = 0;
    auto cutAt = [&](qreal y) {
        pages.push_back({ start, y });
        start = y;
    };
    for (std::size_t first = 0; first < units.size();) {
        std::size_t last = first;
        while (last + 1 < units.size() && units[last].withNext)
            ++last;
        const qreal top = units[first].top;
        const qreal bottom = units[last].bottom;
        if (units[first].newPage && top > start)
            cutAt(top);
        if (bottom - start > height) {
            if (top > start && bottom - top <= height) {
                cutAt(top);
            } else {
                // Taller than a page: parted where it must be, between units.
                for (std::size_t i = first; i <= last; ++i) {
                    if (units[i].bottom - start > height && units[i].top > start)
                        cutAt(units[i].top);
                }
            }
        }
        first = last + 1;
    }
    pages.push_back({ start, units.empty() ? start : std::max(start, units.back().bottom) });
    return pages;
}

bool pagePlanHolds(const QTextDocument& text, const std::vector<PageSlice>& pages, qreal height)
{
    constexpr qreal kSlack = 0.01; // layout positions are not exact to the last bit
    if (pages.empty())
        return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].bottom < pages[i].top
            || (i > 0 && std::abs(pages[i].top - pages[i - 1].bottom) > kSlack))
            return false;
    }
    std::size_t page = 0;
    const std::vector<Unit> blocks = unitsOf(text);
    for (const Unit& block : blocks) {
        if (block.bottom - block.top <= kSlack)
            continue; // an empty block: nothing to lose
        while (page < pages.size() && block.top >= pages[page].bottom - kSlack)
            ++page;
        if (page == pages.size())
            return false;
        if (block.bottom - block.top > height)
            continue; // taller than a page: parted where it must be
        // Parted though it fits on a page, or past the foot of its page (a
        // page may end lower, in the blank between two blocks).
        if (block.bottom > pages[page].bottom + kSlack || block.bottom - pages[page].top > height + 1)
            return false;
    }
    return blocks.empty() || blocks.back().bottom <= pages.back().bottom + kSlack;
}

std::vector<PageSlice> plainPages(const QTextDocument& text, qreal height)
{
    const std::vector<Unit> blocks = unitsOf(text);
    const qreal end = blocks.empty() ? 0 : blocks.back().bottom;
    std::vector<PageSlice> pages;
    for (qreal top = 0; pages.empty() || top < end; top += height)
        pages.push_back({ top, std::min(top + height, std::max(end, top)) });
    return pages;
}

} // namespace cramer
