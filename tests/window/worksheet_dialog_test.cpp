// SPDX-License-Identifier: GPL-3.0-or-later

// „Файл → Работен лист…“ from the menu to a PDF: the controls decide the
// worksheet, the preview shows its first page, and a worksheet that cannot
// be made says why in a box, writing nothing.

#include "window_test_support.h"

#include "report/working_export.h"
#include "window/shell/main_window.h"
#include "window/shell/worksheet_dialog.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace cramer {
namespace {

using testing_support::RecordingMessageBoxes;

TEST(WorksheetDialog, DrivesFromTheMenuToAPdf)
{
    RecordingMessageBoxes boxes;
    MainWindow window(boxes);
    window.actions().worksheet->trigger();
    WorksheetDialog* dialog = window.worksheetDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QSpinBox*>(QStringLiteral("worksheetVariants"))->setValue(6);
    dialog->findChild<QSpinBox*>(QStringLiteral("worksheetSize"))->setValue(4);
    dialog->findChild<QCheckBox*>(QStringLiteral("worksheetSolutions"))->setChecked(true);
    EXPECT_EQ(dialog->request().variants, 6);
    EXPECT_EQ(dialog->request().n, 4);
    dialog->updatePreview();
    const QPixmap preview = dialog->preview()->pixmap();
    ASSERT_FALSE(preview.isNull());
    EXPECT_NEAR(static_cast<double>(preview.height()) / preview.width(), 297.0 / 210.0, 0.01);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("ws.pdf"));
    ASSERT_TRUE(dialog->saveTo(pdf, 0));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Six variants, the key and six worked solutions of 4 × 4: many pages.
    EXPECT_GT(
        QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))), 6);
    EXPECT_TRUE(boxes.shown.empty());

    // Sixty different 2 × 2 with coefficients and answers within ±1 cannot be made.
    dialog->findChild<QSpinBox*>(QStringLiteral("worksheetVariants"))->setValue(60);
    dialog->findChild<QSpinBox*>(QStringLiteral("worksheetSize"))->setValue(2);
    dialog->findChild<QSpinBox*>(QStringLiteral("worksheetRange"))->setValue(1);
    const QString none = folder.filePath(QStringLiteral("none.pdf"));
    EXPECT_FALSE(dialog->saveTo(none, 0));
    EXPECT_FALSE(QFile::exists(none));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(
        boxes.shown.front().text.startsWith(QStringLiteral("Програмата успя да направи само 9 от 60")))
        << boxes.shown.front().text.toStdString();
}

// Every variant on one page, at most as many a page as asked, and the key
// on a page of its own, for small and large systems.
TEST(WorksheetPages, KeepEveryVariantWholeAndTheKeyApart)
{
    struct Case {
        int n;
        int perPage;
    };
    for (const Case& c : { Case { 3, 1 }, Case { 3, 2 }, Case { 3, 4 }, Case { 9, 2 }, Case { 9, 4 } }) {
        const WorksheetResult result
            = makeWorksheet({ 12, c.n, AnswerKind::Fractions, SingularShare::Some, 9, 3 });
        WorksheetLayout layout;
        layout.perPage = c.perPage;
        const std::optional<WorkingDocument> document
            = worksheetDocument(std::get<std::vector<Variant>>(result), 3, layout, { ",", " " });
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QTextDocument text;
        const std::vector<PageSlice> pages = typesetPages(*document, writer, text);
        const auto page = [&pages](qreal y) {
            const auto found
                = std::find_if(pages.begin(), pages.end(), [y](PageSlice p) { return y < p.bottom; });
            return static_cast<int>(found - pages.begin());
        };
        QAbstractTextDocumentLayout& layoutOf = *text.documentLayout();
        std::map<int, int> variantsOnPage;
        for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 0)
                continue;
            const QRectF heading = layoutOf.blockBoundingRect(block);
            if (block.text().startsWith(QStringLiteral("Ключ"))) {
                EXPECT_TRUE(std::any_of(pages.begin(), pages.end(), [&](PageSlice p) {
                    return p.top == heading.top();
                })) << "the key shares a page with a variant";
                continue;
            }
            QTextBlock last = block;
            while (last.next().isValid() && last.next().blockFormat().headingLevel() == 0)
                last = last.next();
            EXPECT_EQ(page(heading.top()), page(layoutOf.blockBoundingRect(last).bottom() - 1))
                << c.n << "×" << c.n << ", " << c.perPage << " a page: " << block.text().toStdString()
                << " parted";
            ++variantsOnPage[page(heading.top())];
        }
        int variants = 0;
        for (const auto& [number, count] : variantsOnPage) {
            EXPECT_LE(count, c.perPage) << "page " << number + 1;
            variants += count;
        }
        EXPECT_EQ(variants, 12);
    }
}

} // namespace
} // namespace cramer
