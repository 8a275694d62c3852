// SPDX-License-Identifier: GPL-3.0-or-later

// „Файл → Работен лист…“ from the menu to a PDF: the controls decide the
// worksheet, the preview shows its first page, and a worksheet that cannot
// be made says why in a box, writing nothing.

#include "window_test_support.h"

#include "window/shell/main_window.h"
#include "window/shell/worksheet_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    EXPECT_EQ(dialog->spec().variants, 6);
    EXPECT_EQ(dialog->spec().n, 4);
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
    EXPECT_GT(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 6);
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

} // namespace
} // namespace cramer
