// SPDX-License-Identifier: GPL-3.0-or-later

// What the user sees, pixel for pixel: the main window with a solved 3 × 3
// system at 100 %, 150 % and 50 %, against references rendered by an earlier
// version of the program, so that no change made for speed changes a pixel.
// CRAMER_WRITE_REFERENCES=1 writes the references anew; a mismatch leaves
// the rendering beside the test's binary to look at.

#include "window_test_support.h"

#include "window/form/controls.h"
#include "window/form/picture.h"
#include "window/shell/program_style.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QResource>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>

#include <gtest/gtest.h>

#include <memory>

namespace cramer {
namespace {

using testing_support::TestWindow;

class Rendering : public testing_support::EnglishLocaleTest, public testing::WithParamInterface<int> { };

// Where two renderings differ: how many pixels, and the controls they fall
// in, named, so that a difference of fonts or of the style is told apart.
std::string differences(const QImage& rendered, const QImage& expected, const QWidget& window)
{
    if (rendered.size() != expected.size())
        return " in size";
    int count = 0;
    QRect where;
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x)
            if (rendered.pixel(x, y) != expected.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
    QStringList controls;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        const QRect area(child->mapTo(&window, QPoint(0, 0)), child->size());
        if (child->isVisible() && child->children().isEmpty() && area.intersects(where))
            controls << (child->objectName().isEmpty() ? QString::fromLatin1(child->metaObject()->className())
                                                       : child->objectName());
    }
    return " in " + std::to_string(count) + " pixels within " + std::to_string(where.width()) + " x "
        + std::to_string(where.height()) + " at " + std::to_string(where.x()) + ", " + std::to_string(where.y())
        + " (" + controls.join(QStringLiteral(", ")).toStdString() + ")";
}

TEST_P(Rendering, IsPixelForPixelTheReference)
{
    const int percent = GetParam();
    TestWindow window;
    window.layOut(3);
    window.type({ { "2", "-1.5", "0", "4" }, { "1", "3", "-2", "0.25" }, { "0", "1", "1", "-7" } });
    window.solve();
    window.main->zoom().byHand(percent / 100.0);
    window.main->show();
    const QImage rendered = window.main->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    window.main->zoom().byHand(1.0);
    QSettings().remove(QStringLiteral("view/zoom"));

    const QString name = QStringLiteral("window-%1.png").arg(percent);
    const QString reference = QStringLiteral(REFERENCE_FOLDER "/") + name;
    if (qEnvironmentVariableIntValue("CRAMER_WRITE_REFERENCES") == 1) {
        ASSERT_TRUE(rendered.save(reference));
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(expected.isNull()) << "no reference " << reference.toStdString();
    const bool same = rendered == expected;
    if (!same)
        rendered.save(QDir::current().filePath(name));
    EXPECT_TRUE(same) << "the window at " << percent << " % differs from " << reference.toStdString()
                      << differences(rendered, expected, *window.main) << "; this rendering is in "
                      << QDir::current().filePath(name).toStdString();
}

// The icon the window system is given and the form's picture at 100 % are
// read, not painted, at start; they must be what painting gives.
TEST(BuildTimePixels, AreWhatPaintingGives)
{
    const QSize size = designPictureSize();
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    QPainter onPicture(&picture);
    paintPicture(onPicture, size);
    onPicture.end();
    const QResource stored(QStringLiteral(":/picture/design.argb"));
    ASSERT_TRUE(stored.isValid());
    EXPECT_EQ(QImage(stored.data(), size.width(), size.height(), size.width() * 4,
                  QImage::Format_ARGB32_Premultiplied),
        picture);

    for (const int side : kRenderedIconSides) {
        ASSERT_TRUE(QFile::exists(QStringLiteral(":/icons/%1.argb").arg(side))) << side;
        QImage painted(side, side, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QPainter painter(&painted);
        paintApplicationIcon(painter, side);
        painter.end();
        EXPECT_EQ(
            applicationIcon().pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            painted)
            << side;
    }
}

// The summary's lines drawn by the plain delegate are the style's own pixels,
// at every size of the list's font the zoom steps give and more: aligned left
// as in the form, in rows as high as the text and higher, and also centred,
// to the right and right to left.
TEST(PlainTextItems, DrawTheStylesPixels)
{
    QFont font = tables::makeFont(tables::FontKind::List);
    struct Rows {
        Qt::Alignment alignment;
        int extraHeight; // beyond the text's own, or none set
    };
    const Rows rowsDrawn[] = { { Qt::AlignLeft | Qt::AlignVCenter, 0 },
        { Qt::AlignLeft | Qt::AlignVCenter, 5 }, { Qt::AlignLeft | Qt::AlignBottom, 4 },
        { Qt::AlignHCenter | Qt::AlignVCenter, 0 }, { Qt::AlignRight | Qt::AlignTop, 3 } };
    // A list set up as the form's, drawn by `delegate`.
    const auto render
        = [&](QAbstractItemDelegate* delegate, const Rows& rows, Qt::LayoutDirection direction) {
              QListWidget list;
              list.setLayoutDirection(direction);
              list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
              list.setTextElideMode(Qt::ElideNone);
              list.setWordWrap(false);
              list.setUniformItemSizes(true);
              list.setFont(font);
              list.addItems({ QString::fromUtf8("   метод на Крамер   "),
                  QString::fromUtf8(" I a11.x1+a12.x2+...+a1n.xn=b1"), QStringLiteral("x  "), QString() });
              for (int row = 0; row < list.count(); ++row) {
                  list.item(row)->setTextAlignment(rows.alignment);
                  if (rows.extraHeight > 0)
                      list.item(row)->setSizeHint(QSize(300, QFontMetrics(font).height() + rows.extraHeight));
              }
              list.setItemDelegate(delegate);
              list.resize(320, 200);
              return list.grab().toImage();
          };
    for (int pixels = 6; pixels <= 30; ++pixels) {
        font.setPixelSize(pixels);
        for (const Rows& rows : rowsDrawn) {
            for (const Qt::LayoutDirection direction : { Qt::LeftToRight, Qt::RightToLeft }) {
                QStyledItemDelegate styled;
                PlainTextItems plain;
                EXPECT_EQ(render(&plain, rows, direction), render(&styled, rows, direction))
                    << pixels << " px, alignment " << rows.alignment << " in " << rows.extraHeight
                    << " px more, direction " << direction;
            }
        }
    }
}

// The icon the program's style makes when first drawn is Fusion's own.
TEST(ProgramStyle, DrawsTheIconsItDefersAsFusionDoes)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> program(makeProgramStyle());
    for (const QStyle::StandardPixmap icon :
        { QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton }) {
        const QImage expected = fusion->standardIcon(icon).pixmap(16).toImage();
        EXPECT_FALSE(expected.isNull());
        EXPECT_EQ(program->standardIcon(icon).pixmap(16).toImage(), expected) << icon;
    }
}

// Frames and indicators the program's style copies from one it drew are
// Fusion's own, for every size, state, colour and scale in the table and
// wherever they fall: a frame on any background, an indicator on its
// button's own. One style draws them all in turn, so that none is given
// another's pixels.
TEST(ProgramStyle, DrawsWhatItCopiesAsFusionDoes)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> program(makeProgramStyle());
    QLineEdit edit;
    QRadioButton option;
    option.setAutoFillBackground(true);
    struct Case {
        QStyle::PrimitiveElement element;
        QSize size;
        QStyle::State state;
        QColor base;
        QColor window;
        qreal ratio;
        QPointF at;
    };
    const QStyle::State plain = QStyle::State_Enabled;
    const QStyle::State focused = plain | QStyle::State_HasFocus;
    const QStyle::State on = plain | QStyle::State_On;
    const QColor grey(240, 240, 240);
    const QColor dark(53, 53, 53);
    const QColor green(0, 192, 0);
    const Case cases[] = {
        { QStyle::PE_PanelLineEdit, { 49, 19 }, plain, green, grey, 1, { 3, 4 } },
        { QStyle::PE_PanelLineEdit, { 49, 19 }, focused, green, grey, 1, { 3, 4 } },
        { QStyle::PE_PanelLineEdit, { 49, 19 }, plain, Qt::white, grey, 1, { 3, 4 } },
        { QStyle::PE_PanelLineEdit, { 49, 19 }, plain, Qt::white, dark, 1, { 3, 4 } },
        { QStyle::PE_PanelLineEdit, { 50, 19 }, QStyle::State_None, Qt::white, grey, 1, { 3, 4 } },
        { QStyle::PE_PanelLineEdit, { 73, 37 }, focused, QColor(10, 20, 30), dark, 2, { 3, 4 } },
        { QStyle::PE_PanelLineEdit, { 25, 10 }, plain, Qt::white, grey, 1, { 3.5, 4 } },
        { QStyle::PE_PanelLineEdit, { 25, 10 }, plain, Qt::white, grey, 1.5, { 3, 4 } },
        { QStyle::PE_IndicatorRadioButton, { 13, 13 }, plain, Qt::white, grey, 1, { 3, 4 } },
        { QStyle::PE_IndicatorRadioButton, { 13, 13 }, on, Qt::white, grey, 1, { 3, 4 } },
        { QStyle::PE_IndicatorRadioButton, { 13, 13 }, on, Qt::white, QColor(255, 255, 0), 1, { 3, 4 } },
        { QStyle::PE_IndicatorRadioButton, { 7, 7 }, plain, Qt::white, dark, 1, { 3, 4 } },
        { QStyle::PE_IndicatorRadioButton, { 20, 20 }, on | QStyle::State_Sunken, Qt::white, grey, 2,
            { 3, 4 } },
    };
    for (const Case& drawn : cases) {
        const bool frame = drawn.element == QStyle::PE_PanelLineEdit;
        QWidget& widget = frame ? static_cast<QWidget&>(edit) : option;
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Base, drawn.base);
        palette.setColor(QPalette::Window, drawn.window);
        palette.setColor(widget.backgroundRole(), drawn.window);
        widget.setPalette(palette);
        QStyleOptionFrame frameOption;
        QStyleOptionButton buttonOption;
        QStyleOption& styleOption = frame ? static_cast<QStyleOption&>(frameOption) : buttonOption;
        styleOption.initFrom(&widget);
        styleOption.rect = QRect(QPoint(0, 0), drawn.size);
        styleOption.state = drawn.state;
        frameOption.lineWidth = 1;
        const auto draw = [&](const QStyle& style) {
            QImage image((drawn.size + QSize(8, 8)) * drawn.ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(drawn.ratio);
            image.fill(frame ? QColor(0, 128, 128) : drawn.window);
            QPainter painter(&image);
            painter.translate(drawn.at);
            style.drawPrimitive(drawn.element, &styleOption, &painter, &widget);
            return image;
        };
        EXPECT_EQ(draw(*program), draw(*fusion))
            << drawn.element << " " << drawn.size.width() << "x" << drawn.size.height() << " state "
            << uint(drawn.state) << " at " << drawn.at.x() << " scale " << drawn.ratio;
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, Rendering, testing::Values(100, 150, 50),
    [](const testing::TestParamInfo<int>& info) { return "At" + std::to_string(info.param); });

} // namespace
} // namespace cramer
