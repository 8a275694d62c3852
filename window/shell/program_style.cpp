// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/program_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

#include <functional>
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
};

} // namespace

QStyle* makeProgramStyle() { return new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

} // namespace cramer
