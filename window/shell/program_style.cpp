// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/program_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
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

    // The form shows ninety cells whose frames are alike: each frame is
    // drawn once into a pixmap and copied to the others, which is most of
    // what the first frame of the window paints.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        const qreal ratio = painter->device()->devicePixelRatio();
        if (element != PE_PanelLineEdit || !frame
            || !onWholePixels(*painter, option->rect.topLeft(), ratio)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QPixmap& pixmap = framePixmap(*frame, ratio);
        if (pixmap.isNull()) {
            pixmap = QPixmap(option->rect.size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QStyleOptionFrame atOrigin = *frame;
            atOrigin.rect.moveTo(0, 0);
            QPainter onPixmap(&pixmap);
            QProxyStyle::drawPrimitive(element, &atOrigin, &onPixmap, widget);
        }
        painter->drawPixmap(option->rect.topLeft(), pixmap);
    }

private:
    // Everything a frame's pixels depend on: its size and scale, its state
    // and shape, and the colours it may be drawn with.
    using FrameKey = std::array<quint32, 8 + QPalette::NColorRoles>;

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

    QPixmap& framePixmap(const QStyleOptionFrame& frame, qreal ratio) const
    {
        FrameKey key { quint32(frame.rect.width()), quint32(frame.rect.height()), quint32(ratio),
            quint32(frame.state), quint32(frame.lineWidth), quint32(frame.midLineWidth),
            quint32(frame.features), quint32(frame.frameShape) | quint32(frame.direction) << 16 };
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            key[8 + role] = frame.palette.color(QPalette::ColorRole(role)).rgba();
        // A few sizes and states at a time; a new colour scheme or zoom
        // starts afresh.
        constexpr std::size_t kKept = 32;
        if (frames_.size() >= kKept && !frames_.contains(key))
            frames_.clear();
        return frames_[key];
    }

    mutable std::map<FrameKey, QPixmap> frames_;
};

} // namespace

QStyle* makeProgramStyle() { return new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

} // namespace cramer
