// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/controls.h"

#include "window/form/layout_tables.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace cramer {

const QPalette& sharedPalette(QPalette::ColorRole backgroundRole, std::uint32_t background,
    QPalette::ColorRole textRole, std::uint32_t text)
{
    // Keyed by the desktop palette too: a window built under another scheme
    // gets palettes of its own.
    const QPalette desktop = QApplication::palette();
    using Key = std::tuple<qint64, tables::ColourSet, QPalette::ColorRole, std::uint32_t, QPalette::ColorRole,
        std::uint32_t>;
    static std::map<Key, QPalette> palettes;
    auto [entry, added] = palettes.try_emplace(
        Key { desktop.cacheKey(), tables::colourSet(), backgroundRole, background, textRole, text }, desktop);
    if (added) {
        const QColor backgroundColour = tables::toQColor(background, desktop);
        entry->second.setColor(backgroundRole, backgroundColour);
        entry->second.setColor(
            textRole, tables::foregroundColour(text, backgroundColour, tables::kTextContrast, desktop));
        // The focus frame and a selection in black: seen on white cells and
        // on every band, where the desktop's highlight may not be.
        if (tables::colourSet() == tables::ColourSet::Contrast) {
            entry->second.setColor(QPalette::Highlight, Qt::black);
            entry->second.setColor(QPalette::HighlightedText, Qt::white);
        }
    }
    return entry->second;
}

namespace {
const char* const kColourCodes = "cramerColourCodes";
} // namespace

void setColours(QWidget* widget, QPalette::ColorRole backgroundRole, std::uint32_t background,
    QPalette::ColorRole textRole, std::uint32_t text)
{
    widget->setPalette(sharedPalette(backgroundRole, background, textRole, text));
    widget->setProperty(kColourCodes,
        QVariantList { static_cast<int>(backgroundRole), background, static_cast<int>(textRole), text });
}

void refreshColours(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (auto* cell = qobject_cast<GridCell*>(widget)) {
            cell->refreshColours();
            continue;
        }
        const QVariantList codes = widget->property(kColourCodes).toList();
        if (codes.size() == 4)
            widget->setPalette(sharedPalette(static_cast<QPalette::ColorRole>(codes[0].toInt()),
                codes[1].toUInt(), static_cast<QPalette::ColorRole>(codes[2].toInt()), codes[3].toUInt()));
    }
}

namespace {

// What a character's advance in a font depends on. A font is known by these,
// not kept, so that no font outlives the application.
struct FontKey {
    QStringList families;
    qreal size;
    int pixelSize;
    int stretch;
    int weight;
    bool italic;
    int strategy;
    int capitalization;
    qreal letterSpacing;
    qreal wordSpacing;

    explicit FontKey(const QFont& font)
        : families(font.families())
        , size(font.pointSizeF())
        , pixelSize(font.pixelSize())
        , stretch(font.stretch())
        , weight(font.weight())
        , italic(font.italic())
        , strategy(font.styleStrategy())
        , capitalization(font.capitalization())
        , letterSpacing(font.letterSpacing())
        , wordSpacing(font.wordSpacing())
    {
    }
    bool operator==(const FontKey&) const = default;
};

// Each character's advance measured once per font: a matrix shows the same
// dozen characters in a few fonts step after step, and measuring them anew
// was most of what writing a step's cells cost.
QHash<char16_t, qreal>& advancesIn(const QFont& font)
{
    static std::vector<std::pair<FontKey, QHash<char16_t, qreal>>> fonts;
    const FontKey key(font);
    for (auto& [known, advances] : fonts) {
        if (known == key)
            return advances;
    }
    // The sizes and narrowings of a few zoom steps at a time.
    constexpr std::size_t kKept = 64;
    if (fonts.size() == kKept)
        fonts.clear();
    return fonts.emplace_back(key, QHash<char16_t, qreal>()).second;
}

} // namespace

QFont fittedFont(const QFont& nominal, const QString& text, int width)
{
    // Summing single glyph advances skips text shaping, which made this the
    // slowest part of showing a matrix; one pixel covers kerning.
    auto fits = [&](const QFont& font) {
        QHash<char16_t, qreal>& advances = advancesIn(font);
        std::optional<QFontMetricsF> metrics;
        qreal advance = 1.0;
        for (QChar character : text) {
            auto known = advances.constFind(character.unicode());
            if (known == advances.constEnd()) {
                if (!metrics)
                    metrics.emplace(font);
                known = advances.insert(character.unicode(), metrics->horizontalAdvance(character));
            }
            advance += *known;
        }
        return advance <= width;
    };
    QFont font = nominal;
    if (text.isEmpty() || fits(font))
        return font;
    // Narrower glyphs keep the digits tall; only then go smaller.
    constexpr int kNarrowest = 60;
    constexpr int kSmallestPixels = 8;
    for (int stretch = 95; stretch >= kNarrowest; stretch -= 5) {
        font.setStretch(stretch);
        if (fits(font))
            return font;
    }
    for (int pixels = nominal.pixelSize() - 1; pixels >= kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font))
            return font;
    }
    return font;
}

void BandFrame::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect outline
        = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    // The one-pixel outline as four filled strips: a pen would plot it pixel
    // by pixel around the whole band.
    const QColor edge = palette().color(QPalette::Window).darker(112);
    painter.fillRect(outline.left(), outline.top(), outline.width(), 1, edge);
    painter.fillRect(outline.left(), outline.bottom(), outline.width(), 1, edge);
    painter.fillRect(outline.left(), outline.top(), 1, outline.height(), edge);
    painter.fillRect(outline.right(), outline.top(), 1, outline.height(), edge);
    if (!title().isEmpty()) {
        const QRect caption
            = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        painter.drawItemText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
            true, title(), QPalette::WindowText);
    }
}

GridCell::GridCell(const QFont& nominal, QWidget* parent)
    : QLineEdit(parent)
    , nominal_(nominal)
{
    // A cell usually inherits its font from its frame: setting it again
    // would lay its text out a second time.
    if (font() != nominal)
        setFont(nominal);
    connect(this, &QLineEdit::textChanged, this, [this] { fitText(hasFocus()); });
}

namespace {

// The cells whose colours wait for the end of the changes under way, if any
// are under way.
std::vector<GridCell*>* waitingCells = nullptr;

} // namespace

GridCell::ColourChanges::ColourChanges()
    : outermost_(waitingCells == nullptr)
{
    if (outermost_)
        waitingCells = &cells_;
}

GridCell::ColourChanges::~ColourChanges()
{
    if (!outermost_)
        return;
    waitingCells = nullptr;
    for (GridCell* cell : cells_)
        cell->applyBackColor();
}

void GridCell::setBackColor(std::uint32_t colour)
{
    if (colour == backColor_)
        return;
    backColor_ = colour;
    // A cell listed twice is coloured once: applying its colour again is
    // nothing.
    if (waitingCells == nullptr)
        applyBackColor();
    else
        waitingCells->push_back(this);
}

void GridCell::refreshColours()
{
    appliedColour_.reset();
    applyBackColor();
}

void GridCell::applyBackColor()
{
    if (appliedColour_ == backColor_)
        return;
    appliedColour_ = backColor_;
    setPalette(sharedPalette(QPalette::Base, backColor_, QPalette::Text, tables::kRed));
}

namespace {

void describe(QWidget* widget, const QString& value)
{
    if (value == widget->toolTip())
        return;
    widget->setToolTip(value);
    widget->setAccessibleDescription(value);
}

} // namespace

void GridCell::setRole(Role role)
{
    if (role_ == role)
        return;
    role_ = role;
    setAccessibleName(roleNames_[static_cast<std::size_t>(role)]);
}

void GridCell::describeValue(const QString& value) { describe(this, value); }

void GridCell::setNominalFont(const QFont& nominal)
{
    nominal_ = nominal;
    setFont(nominal);
    fitText(hasFocus());
}

bool GridCell::event(QEvent* event)
{
    // Undo and Redo with nothing of the cell's own to undo or redo go to the
    // window, which brings back the grid a command replaced.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void GridCell::keyPressEvent(QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && modifiers == Qt::NoModifier) {
        emit nextCellRequested();
    } else if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && modifiers == Qt::NoModifier) {
        emit verticalMoveRequested(event->key() == Qt::Key_Up ? -1 : 1);
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void GridCell::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard Paste entry, known by its text as QLineEdit translates it
    // (Qt 6.4 names these actions by nothing else), pastes blocks like the
    // keys do.
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &GridCell::pasteRequested);
        }
    }
    if (!extraMenuActions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(extraMenuActions_);
    }
    menu->popup(event->globalPos());
}

void GridCell::focusInEvent(QFocusEvent* event)
{
    // The cursor of an empty cell is as tall as what will be typed.
    fitText(true);
    QLineEdit::focusInEvent(event);
}

void GridCell::fitText(bool focused)
{
    // An empty cell shows nothing of its font but the cursor: it keeps its
    // font until it has the keyboard, so that a cell cleared to be written
    // again is not laid out for the full size in between.
    if (text().isEmpty() && (font() == nominal_ || !focused))
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    // QLineEdit keeps two pixels free on either side and one for the cursor.
    const int width = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 5;
    const QFont font = fittedFont(nominal_, text(), width);
    if (font != this->font())
        setFont(font);
}

CaptionLabel::CaptionLabel(const QFont& nominal, QWidget* parent)
    : QLabel(parent)
    , nominal_(nominal)
{
    if (font() != nominal)
        setFont(nominal);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CaptionLabel::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    const QFont font = fittedFont(nominal_, caption, width());
    if (font != this->font())
        setFont(font);
    setText(caption);
    hideIfBlank();
}

void CaptionLabel::hideIfBlank()
{
    // Empty on its frame's own colours, a label shows nothing: hidden, it
    // costs nothing to show or to paint.
    if (!autoFillBackground())
        setVisible(!text().isEmpty());
}

void CaptionLabel::describeValue(const QString& value) { describe(this, value); }

void CaptionLabel::setNominalFont(const QFont& nominal)
{
    nominal_ = nominal;
    setFont(fittedFont(nominal_, text(), width()));
}

BarLine::BarLine(const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BarLine::setEnds(int x1, int y1, int x2, int y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    place();
}

void BarLine::setScale(const tables::Scale& scale)
{
    scale_ = scale;
    place();
}

void BarLine::place()
{
    const int half = scale_.scaled(tables::kLineWidthPixels) / 2;
    const QRect box = QRect(QPoint(scale_.pixels(std::min(x1_, x2_)), scale_.pixels(std::min(y1_, y2_))),
        QPoint(scale_.pixels(std::max(x1_, x2_)), scale_.pixels(std::max(y1_, y2_))))
                          .adjusted(-half, -half, half, half);
    setGeometry(box);
    update();
}

void BarLine::setDrawMode(int mode)
{
    if (mode == drawMode_)
        return;
    drawMode_ = mode;
    update();
}

bool BarLine::isDrawn() const { return drawMode_ == tables::kDrawModeCopyPen; }

void BarLine::paintEvent(QPaintEvent*)
{
    if (!isDrawn())
        return;
    QPainter painter(this);
    painter.setPen(QPen(colour_, scale_.scaled(tables::kLineWidthPixels), Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(scale_.pixels(x1_), scale_.pixels(y1_)) - origin,
        QPoint(scale_.pixels(x2_), scale_.pixels(y2_)) - origin);
}

void PlainTextItems::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const Qt::Alignment horizontal = item.displayAlignment & Qt::AlignHorizontal_Mask;
    const bool plain
        = !(item.state & (QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver))
        && item.features == QStyleOptionViewItem::HasDisplay && item.backgroundBrush.style() == Qt::NoBrush
        && !item.text.contains(QLatin1Char('\n')) && item.direction == Qt::LeftToRight
        && (horizontal == Qt::AlignLeft || horizontal == Qt::AlignLeading);
    if (!plain) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // Where the style puts a line aligned left: after its margin, at the
    // item's left; as high as a text layout's line (the ascent and descent
    // rounded up), aligned in the item as the item asks.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QFontMetricsF metrics(item.font);
    const qreal ascent = metrics.ascent();
    const QSize line(1, static_cast<int>(std::ceil(ascent + metrics.descent())));
    const int top = QStyle::alignedRect(item.direction, item.displayAlignment, line, item.rect).top();
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (item.state & QStyle::State_Active)                                ? QPalette::Normal
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, QPalette::Text));
    painter->drawText(QPointF(item.rect.left() + margin, top + ascent), item.text);
    painter->restore();
}

} // namespace cramer
