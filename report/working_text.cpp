// SPDX-License-Identifier: GPL-3.0-or-later

// The working as plain text for an 80-column terminal: prose wrapped at
// blanks, which no number contains, and matrices too wide for the screen in
// blocks of columns with their rows named.

#include "report/texts.h"
#include "report/working_document.h"
#include "report/working_forms.h"
#include "report/working_texts.h"

#include <QStringBuilder>

#include <algorithm>

namespace cramer {
namespace {

using texts::qtText;

constexpr int kIndent = 4;

// A number with its marked digits underlined, each followed by a
// combining low line: plain text has no bold.
QString numberText(const WrittenNumber& number)
{
    const auto [start, end] = number.markedDigits();
    if (start == end)
        return number.plain();
    WrittenNumber underlined = number;
    underlined.digits = number.digits.left(start);
    for (const QChar c : QStringView(number.digits).sliced(start, end - start))
        underlined.digits += c.isDigit() ? c % QChar(0x0332) : QString(c);
    underlined.digits += number.digits.mid(end);
    return underlined.plain();
}

QString runText(const Run& run)
{
    switch (run.kind) {
    case Run::Kind::Text:
        return run.text;
    case Run::Kind::Number:
        return numberText(run.number);
    case Run::Kind::Name:
        return run.index == 0 ? run.text : run.text % QString::number(run.index);
    case Run::Kind::Fraction:
        return (run.number.negative ? QStringLiteral("−") : QString()) % run.number.digits % QLatin1Char('/')
            % run.denominator;
    case Run::Kind::Operator:
        return run.tight() ? run.text : QLatin1Char(' ') % run.text % QLatin1Char(' ');
    }
    return {};
}

QString lineOf(const Runs& runs)
{
    QString line;
    for (const Run& run : runs)
        line += runText(run);
    return line;
}

// How much of a long word fits in `room` columns, parted only where a
// reader expects it: after a blank between groups of digits or after a
// fraction's slash; 0 where it cannot be parted there.
qsizetype partThatFits(const QString& word, qsizetype room)
{
    for (qsizetype end = std::min(room, word.size()); end > 0; --end)
        if (word[end - 1] == QChar(0x202F) || word[end - 1] == QLatin1Char('/'))
            return end;
    return 0;
}

} // namespace

// Greedy filling at blanks. A word longer than a line, a long number, is
// parted between its groups of digits, its first part beside the words
// before it; only a word that has no such place is cut, so that no line
// passes the limit.
void appendWrapped(QString& out, const QString& line, int indent, int hangingIndent)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString current(indent, QLatin1Char(' '));
    bool empty = true;
    const auto endLine = [&] {
        out += current % QLatin1Char('\n');
        current = QString(hangingIndent, QLatin1Char(' '));
        empty = true;
    };
    for (QString word : words) {
        const bool longerThanALine = hangingIndent + word.size() > kTextColumns;
        if (!empty && current.size() + 1 + word.size() > kTextColumns
            && (!longerThanALine || partThatFits(word, kTextColumns - current.size() - 1) == 0))
            endLine();
        while (current.size() + (empty ? 0 : 1) + word.size() > kTextColumns) {
            const qsizetype room = kTextColumns - current.size() - (empty ? 0 : 1);
            const qsizetype fits = partThatFits(word, room);
            current += (empty ? QString() : QStringLiteral(" ")) % word.left(fits > 0 ? fits : room);
            word.remove(0, fits > 0 ? fits : room);
            endLine();
        }
        current += (empty ? QString() : QStringLiteral(" ")) % word;
        empty = false;
    }
    out += current % QLatin1Char('\n');
}

namespace {

// A matrix as plain text: on one line per row where it fits in 80
// columns, else its name on a line of its own and blocks of columns.
class TextMatrix {
public:
    TextMatrix(QString& out, const MatrixBlock& block)
        : out_(out)
        , block_(block)
        , columns_(block.rows.empty() ? 0 : static_cast<int>(block.rows.front().size()))
        , widths_(static_cast<std::size_t>(columns_), 1)
        , bar_(block.bars ? QStringLiteral("|") : QString())
    {
        for (const auto& row : block.rows) {
            QStringList& texts = cells_.emplace_back();
            for (int j = 0; j < columns_; ++j) {
                texts << row[static_cast<std::size_t>(j)].plain();
                widths_[static_cast<std::size_t>(j)]
                    = std::max(widths_[static_cast<std::size_t>(j)], texts.back().size());
            }
        }
    }

    void write()
    {
        const QString name = lineOf(block_.name).trimmed();
        const std::size_t middle = (cells_.size() - 1) / 2;
        const qsizetype nameWidth = name.isEmpty() ? 0 : name.size() + 1;
        const QString value = lineOf(block_.value);
        if (kIndent + nameWidth + 2 * bar_.size() + 2 + width(0, columns_) + value.size() <= kTextColumns) {
            std::vector<QString> labels;
            for (std::size_t i = 0; i < cells_.size(); ++i)
                labels.push_back(i == middle && nameWidth > 0 ? name % QLatin1Char(' ')
                                                              : QString(nameWidth, QLatin1Char(' ')));
            rows(0, columns_, labels, middle, value);
            return;
        }
        // Too wide: the name on a line of its own, then blocks of columns.
        if (!name.isEmpty())
            out_ += QString(kIndent, QLatin1Char(' ')) % name % QLatin1Char('\n');
        const std::vector<QString> labels = rowLabels();
        const int size = blockSize(labels.front().size());
        for (int from = 0; from < columns_; from += size) {
            const int to = std::min(columns_, from + size);
            const QString heading = to == from + 1
                ? qtText(texts::kColumnBlock).arg(from + 1)
                : qtText(texts::kColumnsBlock).arg(QString::number(from + 1), QString::number(to));
            out_ += QString(kIndent, QLatin1Char(' ')) % heading % QLatin1Char('\n');
            rows(from, to, labels);
        }
        if (!value.isEmpty())
            out_ += QString(kIndent, QLatin1Char(' ')) % name % value % QLatin1Char('\n');
    }

private:
    // Columns [from, to), with their separators.
    qsizetype width(int from, int to) const
    {
        qsizetype sum = 0;
        for (int j = from; j < to; ++j)
            sum += widths_[static_cast<std::size_t>(j)] + (j > from ? 2 : 0);
        return sum;
    }

    // "ред 1 " … of one width.
    std::vector<QString> rowLabels() const
    {
        std::vector<QString> labels;
        qsizetype labelWidth = 0;
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            labels.push_back(qtText(texts::kRowLabel).arg(i + 1) % QLatin1Char(' '));
            labelWidth = std::max(labelWidth, labels.back().size());
        }
        for (QString& label : labels)
            label = label.leftJustified(labelWidth);
        return labels;
    }

    // As few blocks as fit, of sizes as even as the widths allow.
    int blockSize(qsizetype labelWidth) const
    {
        const qsizetype room = kTextColumns - kIndent - labelWidth - 2 * bar_.size() - 2;
        return columnBlockSize(
            columns_, room, [this](int from, int to) { return static_cast<qreal>(width(from, to)); });
    }

    // One row of columns [from, to) after its label, with the marked column
    // underlined; `value` follows the bar of row `beside`.
    void rows(int from, int to, const std::vector<QString>& labels, std::size_t beside = SIZE_MAX,
        const QString& value = {})
    {
        const QString left = from == 0 ? bar_ : QString();
        const QString right = to == columns_ ? bar_ : QString();
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            QStringList shown;
            for (int j = from; j < to; ++j)
                shown << cells_[i][j].rightJustified(widths_[static_cast<std::size_t>(j)]);
            const QString line = QString(kIndent, QLatin1Char(' ')) % labels[i] % left % QLatin1Char(' ')
                % shown.join(QStringLiteral("  ")) % QLatin1Char(' ') % right
                % (i == beside ? value : QString());
            qsizetype end = line.size();
            while (end > 0 && line[end - 1] == QLatin1Char(' '))
                --end;
            out_ += QStringView(line).left(end) % QLatin1Char('\n');
        }
        markReplaced(from, to, labels.front().size() + left.size());
    }

    void markReplaced(int from, int to, qsizetype before)
    {
        const int marked = block_.markedColumn - 1;
        if (marked < from || marked >= to)
            return;
        const qsizetype start = kIndent + before + 1 + width(from, marked) + (marked > from ? 2 : 0);
        QString line = QString(start, QLatin1Char(' '))
            % QString(widths_[static_cast<std::size_t>(marked)], QLatin1Char('^'));
        const QString note = QLatin1Char(' ') % qtText(texts::kReplacedColumnMark);
        if (line.size() + note.size() <= kTextColumns)
            line += note;
        out_ += line % QLatin1Char('\n');
    }

    QString& out_;
    const MatrixBlock& block_;
    const int columns_;
    std::vector<qsizetype> widths_;
    std::vector<QStringList> cells_;
    const QString bar_;
};

void matrix(QString& out, const MatrixBlock& block) { TextMatrix(out, block).write(); }

void blocks(QString& out, const std::vector<Block>& content)
{
    for (const Block& block : content) {
        switch (block.kind) {
        case Block::Kind::Paragraph:
        case Block::Kind::Verdict:
            appendWrapped(out, lineOf(block.runs), 0, 0);
            break;
        case Block::Kind::Formula:
            appendWrapped(out, lineOf(block.runs), kIndent, 2 * kIndent);
            break;
        case Block::Kind::Matrix:
            matrix(out, block.matrix);
            break;
        case Block::Kind::Figure:
            break;
        case Block::Kind::Rule:
            out += QStringLiteral("- ").repeated(kTextColumns / 2).trimmed() % QLatin1Char('\n');
            break;
        }
    }
}

} // namespace

QString workingAsPlainText(const WorkingDocument& document)
{
    QString text = document.title.isEmpty() ? QString() : document.title % QLatin1Char('\n');
    for (const Section& section : document.sections) {
        if (section.id == Section::Id::Figures)
            continue; // pictures, which plain text cannot show
        if (section.newPage && !text.isEmpty())
            text += QStringLiteral("\n\f"); // a form feed: printed, the section begins a page
        if (!section.heading.empty()) {
            const QString heading = lineOf(section.heading);
            if (!text.isEmpty())
                text += QLatin1Char('\n');
            appendWrapped(text, heading, 0, 0);
            text += QString(std::min<qsizetype>(kTextColumns, heading.size()), QLatin1Char('-'))
                % QLatin1Char('\n');
        }
        blocks(text, section.blocks);
    }
    return text;
}

QString runsAsPlainText(const Runs& runs) { return lineOf(runs); }

int columnBlockSize(int columns, qreal room, const std::function<qreal(int, int)>& width)
{
    auto fits = [&](int size) {
        for (int from = 0; from < columns; from += size)
            if (size > 1 && width(from, std::min(columns, from + size)) > room)
                return false;
        return true;
    };
    int size = columns;
    for (int blocks = 2; !fits(size); ++blocks)
        size = (columns + blocks - 1) / blocks;
    return size;
}

QString matrixAsPlainText(const MatrixBlock& block)
{
    QString text;
    matrix(text, block);
    return text;
}

QString verdictAsPlainText(const WorkingDocument& document)
{
    QString text;
    if (const Section* verdict = document.section(Section::Id::Verdict))
        blocks(text, verdict->blocks);
    return text;
}

} // namespace cramer
