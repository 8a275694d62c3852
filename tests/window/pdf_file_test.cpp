// SPDX-License-Identifier: GPL-3.0-or-later

// The program's PDF writer against Qt's own: the same painting on both,
// rendered by poppler, must put the same ink in the same places, and give
// the same text to copy.

#include "report/pdf_file.h"
#include "report/working_document.h"
#include "report/working_export.h"

#include "window_test_support.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>

namespace cramer {
namespace {

using testing_support::kBulgarianNumbers;
using testing_support::workedSolutionOf;

QPageLayout a4()
{
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// Page `page` of `pdf` as poppler renders it, in grey, `dpi` dots to the inch.
QImage rendered(const QByteArray& pdf, int page, int dpi)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("in.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
            QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), number, QStringLiteral("-l"),
            number, file.fileName(), folder.filePath(QStringLiteral("page")) });
    return QImage(folder.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_Grayscale8);
}

// What poppler's `tool` says of `pdf`, given after `arguments`.
QString toolOn(const QString& tool, QStringList arguments, const QByteArray& pdf)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("in.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    arguments << file.fileName();
    if (tool == QLatin1String("pdftotext"))
        arguments << QStringLiteral("-");
    return QString::fromUtf8(run(tool, arguments));
}

// How much ink each cell of a coarse grid over `page` holds, from 0 to 1:
// close where the same things are drawn in the same places, whatever the
// rasterizer's hinting.
std::vector<double> inkOf(const QImage& page)
{
    constexpr int kColumns = 24;
    constexpr int kRows = 34;
    std::vector<double> ink(kColumns * kRows, 0.0);
    if (page.isNull())
        return ink;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x)
            ink[static_cast<std::size_t>(y * kRows / page.height() * kColumns + x * kColumns / page.width())]
                += (255 - line[x]) / 255.0;
    }
    const double cell = static_cast<double>(page.width()) * page.height() / (kColumns * kRows);
    for (double& value : ink)
        value /= cell;
    return ink;
}

// The largest difference of ink between two pages' cells.
double inkDifference(const QImage& a, const QImage& b)
{
    const std::vector<double> first = inkOf(a);
    const std::vector<double> second = inkOf(b);
    double largest = 0;
    for (std::size_t i = 0; i < first.size(); ++i)
        largest = std::max(largest, std::abs(first[i] - second[i]));
    return largest;
}

double inkIn(const QImage& page)
{
    double sum = 0;
    for (const double value : inkOf(page))
        sum += value;
    return sum;
}

// Paints on a painter, calling its second argument to begin a new page.
using Paint = std::function<void(QPainter&, const std::function<void()>&)>;

QByteArray paintedByQt(const Paint& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(a4());
        QPainter painter(&writer);
        paint(painter, [&writer] { writer.newPage(); });
    }
    return buffer.data();
}

QByteArray paintedByUs(const Paint& paint)
{
    PdfFile pdf(a4());
    {
        QPainter painter(&pdf);
        paint(painter, [&pdf] { pdf.newPage(); });
    }
    return pdf.bytes();
}

// What a page of print and of figures paints, in the painter's units
// (1200 to the inch on both writers).
struct Painting {
    const char* what;
    Paint paint;
    int pages = 1;
};

const std::vector<Painting> kPaintings {
    { "text in three fonts, bold and italic, scaled as the pages scale it",
        [](QPainter& p, const auto&) {
            p.scale(12.5, 12.5);
            QFont font(QStringLiteral("Liberation Serif"));
            font.setPointSizeF(14 * 96.0 / 1200);
            p.setFont(font);
            p.drawText(QPointF(10, 40), QStringLiteral("Детерминантата d = −1 234,5·10⁻⁵ │ ≈ κ"));
            font.setBold(true);
            p.setFont(font);
            p.drawText(QPointF(10, 80), QStringLiteral("Главната детерминанта"));
            font.setItalic(true);
            p.setFont(font);
            p.setPen(QColor(0x1d, 0x5f, 0xa8));
            p.drawText(QPointF(10, 120), QStringLiteral("x₁ = d₁/d"));
        } },
    { "lines, dashes, an even-odd polygon, an ellipse and a translucent fill",
        [](QPainter& p, const auto&) {
            p.setPen(QPen(Qt::black, 30));
            p.drawLine(QPointF(200, 300), QPointF(7000, 900));
            p.setPen(QPen(QColor(0xc2, 0x45, 0x1a), 20, Qt::DashLine, Qt::FlatCap));
            p.drawLine(QPointF(200, 1500), QPointF(7000, 1500));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1d, 0x5f, 0xa8));
            p.drawPolygon(
                QPolygonF { { 500, 2000 }, { 3000, 5000 }, { 500, 5000 }, { 3000, 2000 } }, Qt::OddEvenFill);
            p.drawEllipse(QPointF(5000, 3500), 1200, 800);
            p.setBrush(QColor(255, 0, 0, 96));
            p.drawRect(QRectF(4000, 3000, 3000, 3000));
        } },
    { "a clip path narrowing what is drawn, then lifted",
        [](QPainter& p, const auto&) {
            QPainterPath clip;
            clip.addEllipse(QPointF(3000, 3000), 2000, 2000);
            p.setClipPath(clip);
            p.fillRect(QRectF(0, 0, 8000, 8000), QColor(0xc3, 0xd8, 0xf0));
            p.setClipping(false);
            p.fillRect(QRectF(0, 9000, 2000, 1000), Qt::black);
        } },
    { "a scale and a clip that go on to the next page",
        [](QPainter& p, const std::function<void()>& newPage) {
            p.scale(2, 2);
            p.setClipRect(QRectF(0, 0, 2000, 1500));
            p.fillRect(QRectF(0, 0, 4000, 4000), QColor(0xc2, 0x45, 0x1a));
            newPage();
            p.fillRect(QRectF(500, 500, 4000, 4000), QColor(0x1d, 0x5f, 0xa8));
        },
        2 },
    { "a picture with see-through parts",
        [](QPainter& p, const auto&) {
            QImage image(40, 30, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter inside(&image);
            inside.fillRect(QRect(0, 0, 20, 30), QColor(0x4a, 0x4a, 0x4a));
            inside.end();
            p.drawImage(QRectF(1000, 1000, 4000, 3000), image);
        } },
};

TEST(PdfFile, PaintsWhatQtsOwnWriterPaints)
{
    for (const Painting& painting : kPaintings) {
        const QByteArray ourFile = paintedByUs(painting.paint);
        const QByteArray qtsFile = paintedByQt(painting.paint);
        for (int page = 1; page <= painting.pages; ++page) {
            const QImage ours = rendered(ourFile, page, 40);
            const QImage qts = rendered(qtsFile, page, 40);
            ASSERT_FALSE(ours.isNull()) << painting.what << ": poppler cannot read page " << page;
            ASSERT_EQ(ours.size(), qts.size()) << painting.what;
            EXPECT_GT(inkIn(ours), 0.5) << painting.what << ": nothing drawn on page " << page;
            EXPECT_LT(inkDifference(ours, qts), 0.08) << painting.what << ", page " << page;
        }
    }
}

// A 9 × 9 working: every page as Qt's writer paints the same layout, the
// same text to copy (each glyph maps back to its character), fonts
// embedded in part, and the preview of the first page as its PDF.
TEST(PdfFile, WritesTheWorkingAsQtWouldAndSmaller)
{
    const std::vector<std::vector<std::string>> system {
        { "9", "19", "3", "-3", "-12", "-9", "-20", "1", "12", "9" },
        { "18", "-15", "1", "15", "19", "-18", "4", "-10", "8", "7" },
        { "-10", "-10", "-5", "-17", "-13", "-12", "12", "17", "-16", "4" },
        { "-14", "-2", "-7", "-6", "6", "-15", "-3", "-7", "5", "-3" },
        { "1", "-18", "-8", "-20", "6", "-17", "4", "11", "-12", "-19" },
        { "-5", "7", "-13", "18", "-20", "-13", "17", "-8", "-8", "1" },
        { "-20", "-15", "-12", "14", "-19", "12", "-15", "16", "11", "14" },
        { "-8", "6", "-16", "5", "-8", "20", "-15", "17", "-11", "-9" },
        { "18", "-18", "-17", "-3", "15", "18", "-11", "-3", "16", "-18" },
    };
    const WorkingDocument document = workingDocument(workedSolutionOf(system, kBulgarianNumbers));
    const QByteArray ours = workingBytes(document, WorkingFormat::Pdf);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(a4());
        printWorking(document, writer);
    }
    const QByteArray qts = buffer.data();
    EXPECT_LT(ours.size(), qts.size());
    // The same words, in whatever order a reader takes a page's columns.
    const auto words = [](const QByteArray& pdf) {
        QStringList all
            = toolOn(QStringLiteral("pdftotext"), {}, pdf).split(QRegularExpression(QStringLiteral("\\s+")));
        all.sort();
        return all;
    };
    const QStringList ourWords = words(ours);
    EXPECT_GT(ourWords.size(), 3000);
    EXPECT_EQ(ourWords, words(qts));
    // Every font embedded, cut down and mapped back to characters.
    const QStringList fonts
        = toolOn(QStringLiteral("pdffonts"), {}, ours).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2);
    for (const QString& font : fonts.mid(2))
        EXPECT_TRUE(font.contains(QStringLiteral(" yes yes yes "))) << font.toStdString();
    for (const int page : { 1, 2, 5 }) {
        const QImage ourPage = rendered(ours, page, 40);
        ASSERT_FALSE(ourPage.isNull()) << "page " << page;
        EXPECT_LT(inkDifference(ourPage, rendered(qts, page, 40)), 0.08) << "page " << page;
    }
    const QImage preview = pagePreview(document, 331).convertToFormat(QImage::Format_Grayscale8);
    EXPECT_LT(inkDifference(preview, rendered(ours, 1, 40)), 0.12) << "the preview of the first page";
}

// A matrix's entries end at their column's right edge and stand on their
// row's line, whatever their widths: the first matrix on the first page,
// d's, as pdftotext finds its words.
TEST(PdfFile, SetsAMatrixsEntriesInColumnsAndRows)
{
    const std::vector<std::vector<std::string>> system {
        { "1.5", "-22.25", "333", "1" },
        { "-4444.125", "5", "66.5", "2" },
        { "7", "888.75", "-9.5", "3" },
    };
    const QByteArray pdf
        = workingBytes(workingDocument(workedSolutionOf(system, kBulgarianNumbers)), WorkingFormat::Pdf);
    const QStringList entries { QStringLiteral("1,5"), QStringLiteral("−22,25"), QStringLiteral("333"),
        QStringLiteral("−4444,125"), QStringLiteral("5"), QStringLiteral("66,5"), QStringLiteral("7"),
        QStringLiteral("888,75"), QStringLiteral("−9,5") };
    const QString boxes = toolOn(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1") }, pdf);
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    std::vector<QPointF> found; // each entry's right edge and top, in order
    for (auto match = word.globalMatch(boxes);
         match.hasNext() && static_cast<qsizetype>(found.size()) < entries.size();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(4) == entries[static_cast<qsizetype>(found.size())])
            found.emplace_back(m.captured(3).toDouble(), m.captured(2).toDouble());
    }
    ASSERT_EQ(found.size(), static_cast<std::size_t>(entries.size())) << boxes.left(2000).toStdString();
    for (std::size_t i = 3; i < found.size(); ++i) {
        EXPECT_NEAR(found[i].x(), found[i - 3].x(), 0.25) << "column " << i % 3 + 1;
        EXPECT_GT(found[i].y(), found[i - 3].y() + 8) << "row " << i / 3 + 1;
        EXPECT_NEAR(found[i].y(), found[i - i % 3].y(), 0.25) << "row " << i / 3 + 1;
    }
}

// Pages turn to landscape where a matrix is too wide for portrait even
// set smaller, and every word stays within the margins either way.
TEST(PdfFile, TurnsItsPagesWhereAMatrixIsTooWide)
{
    struct Case {
        const char* what;
        std::vector<std::vector<std::string>> system;
        QSizeF page; // in points
    };
    std::vector<std::vector<std::string>> wide(9);
    std::mt19937 random(5);
    for (auto& row : wide)
        for (int j = 0; j < 10; ++j)
            row.push_back((random() % 2 ? "-" : "") + std::to_string(1 + random() % 8) + "."
                + std::to_string(1000000 + random() % 9000000) + "E-" + std::to_string(6 + random() % 3));
    const std::vector<Case> cases {
        { "small integers", { { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } },
            { 595, 842 } },
        { "nine columns of seven-digit numbers with exponents", wide, { 842, 595 } },
    };
    const QRegularExpression pageBox(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpression wordRight(
        QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\""));
    for (const Case& c : cases) {
        const QByteArray pdf = workingBytes(
            workingDocument(workedSolutionOf(c.system, kBulgarianNumbers)), WorkingFormat::Pdf);
        const QString boxes = toolOn(QStringLiteral("pdftotext"), { QStringLiteral("-bbox") }, pdf);
        const QRegularExpressionMatch page = pageBox.match(boxes);
        ASSERT_TRUE(page.hasMatch()) << c.what;
        EXPECT_NEAR(page.captured(1).toDouble(), c.page.width(), 1) << c.what;
        EXPECT_NEAR(page.captured(2).toDouble(), c.page.height(), 1) << c.what;
        double rightmost = 0;
        for (auto word = wordRight.globalMatch(boxes); word.hasNext();)
            rightmost = std::max(rightmost, word.next().captured(1).toDouble());
        EXPECT_LT(rightmost, c.page.width() - 55) << c.what;
    }
}

} // namespace
} // namespace cramer
