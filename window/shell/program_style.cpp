// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/program_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

namespace cramer {
namespace {

// An icon made when it is first drawn or measured.
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make)
        : make_(std::move(make))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; } // the style's icons all have pixels
    QString key() const override { return QStringLiteral("cramer-deferred"); }
    QIconEngine* clone() const override { return new DeferredIcon(make_); }

private:
    const QIcon& icon()
    {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // A menu bar makes the button for menus that do not fit, with its icon,
    // read from a file, as it is built; the program's menus always fit.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
            QStyle* base = baseStyle();
            return QIcon(new DeferredIcon([base, icon] { return base->standardIcon(icon); }));
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    // The form shows ninety cells and eight size options whose frames and
    // indicators are alike: each is drawn once into a pixmap and copied to
    // the others, which was most of what the window's first frame painted.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        const std::optional<Copy> copy = onWholePixels(*painter, option->rect.topLeft(), ratio)
            ? copyOf(element, option, widget, ratio)
            : std::nullopt;
        if (!copy) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QPixmap& pixmap = cachedPixmap(copy->key);
        if (pixmap.isNull()) {
            pixmap = QPixmap(option->rect.size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(copy->ground);
            QPainter onPixmap(&pixmap);
            onPixmap.translate(-option->rect.topLeft());
            QProxyStyle::drawPrimitive(element, option, &onPixmap, widget);
        }
        painter->drawPixmap(option->rect.topLeft(), pixmap);
    }

private:
    // Everything the pixels depend on: what is drawn, its size and scale,
    // its state and shape, what it is drawn on and the colours it may be
    // drawn with.
    using PixmapKey = std::array<quint32, 10 + QPalette::NColorRoles>;

    struct Copy {
        PixmapKey key;
        QColor ground;
    };

    static std::optional<Copy> copyOf(
        PrimitiveElement element, const QStyleOption* option, const QWidget* widget, qreal ratio)
    {
        Copy copy { {}, Qt::transparent };
        PixmapKey& key = copy.key;
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame && element == PE_PanelLineEdit && option->palette.base().style() == Qt::SolidPattern) {
            // Drawn on nothing, a frame composes onto any background as it
            // is drawn there: its antialiased edges are single strokes.
            key[5] = quint32(frame->lineWidth);
            key[6] = quint32(frame->midLineWidth);
            key[7] = quint32(frame->features);
            key[8] = quint32(frame->frameShape);
        } else if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
                   button && element == PE_IndicatorRadioButton) {
            // An indicator's strokes overlap at its edges, which compose
            // the same only onto the very colour they are drawn on: the
            // option's own solid background.
            if (!widget || !widget->autoFillBackground())
                return std::nullopt;
            const QBrush& background = widget->palette().brush(widget->backgroundRole());
            if (background.style() != Qt::SolidPattern || !background.isOpaque())
                return std::nullopt;
            copy.ground = background.color();
            key[5] = quint32(button->features);
        } else {
            return std::nullopt;
        }
        key[0] = quint32(element);
        key[1] = quint32(option->rect.width()) | quint32(option->rect.height()) << 16;
        key[2] = quint32(ratio);
        key[3] = quint32(option->state);
        key[4] = quint32(option->direction);
        key[9] = copy.ground.rgba();
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            key[10 + role] = option->palette.color(QPalette::ColorRole(role)).rgba();
        return copy;
    }

    // A copied pixmap is the drawing pixel for pixel only where its pixels
    // fall on the device's: at a whole scale, from a whole pixel.
    static bool onWholePixels(const QPainter& painter, QPoint origin, qreal ratio)
    {
        const QTransform transform = painter.deviceTransform();
        const QPointF corner = transform.map(QPointF(origin));
        return ratio == std::floor(ratio) && transform.type() <= QTransform::TxScale
            && transform.m11() == ratio && transform.m22() == ratio && corner.x() == std::floor(corner.x())
            && corner.y() == std::floor(corner.y());
    }

    QPixmap& cachedPixmap(const PixmapKey& key) const
    {
        // A few sizes and states at a time; a new colour scheme or zoom
        // starts afresh.
        constexpr std::size_t kKept = 32;
        if (pixmaps_.size() >= kKept && !pixmaps_.contains(key))
            pixmaps_.clear();
        return pixmaps_[key];
    }

    mutable std::map<PixmapKey, QPixmap> pixmaps_;
};

} // namespace

QStyle* makeProgramStyle() { return new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

} // namespace cramer
