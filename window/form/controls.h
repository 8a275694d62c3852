// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's own kinds of control: grid cells and labels whose numbers
// always fit their boxes, and the straight bars beside the grid.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyledItemDelegate>
#include <QWidget>

#include "window/form/layout_tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace cramer {

// The desktop palette with one background and one text colour replaced
// (0x00BBGGRR or system colours). Widgets that share colours share one
// palette: building one per widget was most of the window's start-up.
const QPalette& sharedPalette(QPalette::ColorRole backgroundRole, std::uint32_t background,
    QPalette::ColorRole textRole, std::uint32_t text);

// Gives `widget` the shared palette of these colour codes and remembers
// them, so that refreshColours() can give it the palette of another colour
// set.
void setColours(QWidget* widget, QPalette::ColorRole backgroundRole, std::uint32_t background,
    QPalette::ColorRole textRole, std::uint32_t text);
// `root` and every widget in it, in the colour set now in use.
void refreshColours(QWidget* root);

// The font, at most `nominal`, narrowed and then made smaller until `text`
// fits into `width` pixels, so that a seven-digit number such as
// -1.234568E+07 is never cut.
QFont fittedFont(const QFont& nominal, const QString& text, int width);

// A band of the window: its inside exactly its own colour (no shading by
// the style), a thin outline and the caption where the style puts it.
class BandFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A cell of the grid. Pasting, Enter, Up and Down are left to the window,
// which knows the system's layout; every other key works as in any line edit.
class GridCell : public QLineEdit {
    Q_OBJECT
public:
    GridCell(const QFont& nominal, QWidget* parent);

    // 0x00BBGGRR, or 0x800000nn for a system colour.
    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);
    // Its palette again, in the colour set now in use.
    void refreshColours();

    // While one lives, cells take new colours without painting them: a
    // procedure that greys the whole grid and then colours its matrix gives
    // each cell its last colour once, when the outermost one ends. The cells
    // must outlive it.
    class ColourChanges {
    public:
        ColourChanges();
        ~ColourChanges();
        ColourChanges(const ColourChanges&) = delete;
        ColourChanges& operator=(const ColourChanges&) = delete;

    private:
        bool outermost_;
        std::vector<GridCell*> cells_;
    };

    // The full value behind the text: tooltip and accessible description.
    void describeValue(const QString& value);

    // What the cell holds, as a screen reader names it.
    enum class Role { Unused, Coefficient, FreeTerm, MatrixEntry };
    // The cell's name in each role, in Role's order.
    void setRoleNames(std::array<QString, 4> names) { roleNames_ = std::move(names); }
    void setRole(Role role);
    // The font at the form's zoom; the text is fitted to it again.
    void setNominalFont(const QFont& nominal);

    // Added below the editing entries of the context menu.
    void setExtraMenuActions(const QList<QAction*>& actions) { extraMenuActions_ = actions; }

signals:
    void pasteRequested(); // by key or from the context menu
    void nextCellRequested(); // Enter
    void verticalMoveRequested(int rows); // Up: -1, Down: +1

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The widest font that fits the text; an empty cell keeps its font
    // unless it is `focused`, when it takes the nominal one.
    void fitText(bool focused);

    void applyBackColor();

    QFont nominal_;
    std::uint32_t backColor_ = 0;
    std::optional<std::uint32_t> appliedColour_; // none before the first
    QList<QAction*> extraMenuActions_;
    std::array<QString, 4> roleNames_;
    std::optional<Role> role_;
};

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QFont& nominal, QWidget* parent);
    void setCaption(const QString& caption);
    // Hidden while it has no text and no background of its own.
    void hideIfBlank();
    // The full value behind a rounded caption: tooltip and accessible description.
    void describeValue(const QString& value);
    // The font at the form's zoom; the caption is fitted to it again.
    void setNominalFont(const QFont& nominal);

private:
    QFont nominal_;
};

// The lines of the method's summary: plain text in one line each, aligned
// left, drawn where the style draws an item's text without measuring and
// laying out each line first; anything else as the style draws it.
class PlainTextItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A straight line between two points given in twips of its frame, drawn
// only in drawing mode 13 (copy pen); mode 3 with a black pen leaves the
// background as it is, so it is not drawn at all.
class BarLine : public QWidget {
    Q_OBJECT
public:
    BarLine(const QColor& colour, QWidget* parent);

    void setEnds(int x1, int y1, int x2, int y2);
    void setDrawMode(int mode);
    // The form's zoom: the same ends, scaled, and a line as much wider.
    void setScale(const tables::Scale& scale);

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    int drawMode() const { return drawMode_; }
    QColor colour() const { return colour_; }
    bool isDrawn() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QColor colour_;
    tables::Scale scale_;
    int x1_ = 0;
    int y1_ = 0;
    int x2_ = 0;
    int y2_ = 0;
    int drawMode_ = 13;
};

} // namespace cramer
