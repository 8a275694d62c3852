// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/class_overview.h"

#include "report/practice_texts.h"
#include "window/form/message_boxes.h"
#include "window/shell/progress_window.h"
#include "window/shell/user_files.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace cramer {
namespace {

using texts::qtText;

// A share that sorts by its value, not its text.
class ShareItem : public QTableWidgetItem {
public:
    ShareItem(int right, int of)
        : QTableWidgetItem(shareText(right, of))
        , share_(of == 0 ? -1.0 : static_cast<double>(right) / of)
    {
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* share = dynamic_cast<const ShareItem*>(&other);
        return share ? share_ < share->share_ : QTableWidgetItem::operator<(other);
    }

private:
    double share_;
};

// A long heading on lines of about a column's width, parted at blanks.
QString onLines(const QString& text)
{
    constexpr int kLine = 12;
    QString lines;
    int length = 0;
    // "2 × 2" and "d = 0" stay on one line.
    for (const QString& word : QString(text)
                                   .replace(QStringLiteral(" × "), QStringLiteral("\u00A0×\u00A0"))
                                   .replace(QStringLiteral(" = "), QStringLiteral("\u00A0=\u00A0"))
                                   .split(QLatin1Char(' '))) {
        if (length > 0 && length + 1 + word.size() > kLine) {
            lines += QLatin1Char('\n');
            length = 0;
        } else if (length > 0) {
            lines += QLatin1Char(' ');
            ++length;
        }
        lines += word;
        length += static_cast<int>(word.size());
    }
    return lines;
}

} // namespace

ClassOverviewWindow::ClassOverviewWindow(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("classOverview"));
    setWindowTitle(qtText(texts::kClassOverviewTitle));
    QStringList headers { qtText(texts::kClassStudentHeader) };
    for (const texts::Text& skill : texts::kSkillNames)
        headers << onLines(qtText(skill));
    headers << qtText(texts::kClassMistakeHeader);
    table_ = new QTableWidget(0, static_cast<int>(headers.size()), this);
    table_->setHorizontalHeaderLabels(headers);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons->addButton(qtText(texts::kProgressSave), QDialogButtonBox::ActionRole),
        &QPushButton::clicked, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    fitToScreen();
}

// As wide as the table, but never wider than the screen (a classroom's
// 1280 pixels): the table scrolls rather than the window leaving the screen.
void ClassOverviewWindow::fitToScreen()
{
    int width = table_->frameWidth() * 2 + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->horizontalHeader()->sectionSize(column);
    width += layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::min(width, available.width()), std::min(420, available.height()));
}

void ClassOverviewWindow::showFiles(const QStringList& paths)
{
    std::vector<std::pair<QString, std::string>> workbooks;
    for (const QString& path : paths) {
        QFile file(path);
        workbooks.emplace_back(QDir::toNativeSeparators(path),
            file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string());
    }
    const ClassOverview overview = classOverview(workbooks);
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(overview.students.size()));
    for (int r = 0; r < static_cast<int>(overview.students.size()); ++r) {
        const ClassRow& row = overview.students[static_cast<std::size_t>(r)];
        table_->setItem(r, 0, new QTableWidgetItem(row.student));
        for (int k = 0; k < kSkills; ++k)
            table_->setItem(r, k + 1,
                new ShareItem(
                    row.right[static_cast<std::size_t>(k)], row.firstTries[static_cast<std::size_t>(k)]));
        table_->setItem(r, kSkills + 1, new QTableWidgetItem(mistakeWords(row.commonestMistake())));
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    fitToScreen();
    show();
    raise();
    activateWindow();
    QStringList said;
    if (!overview.unread.isEmpty())
        said << qtText(texts::kClassUnread).arg(overview.unread.join(QLatin1Char('\n')));
    if (!overview.repeated.isEmpty())
        said << qtText(texts::kClassRepeated).arg(overview.repeated.join(QLatin1Char('\n')));
    if (!said.isEmpty())
        boxes_.inform(this, windowTitle(), said.join(QStringLiteral("\n\n")));
}

QString ClassOverviewWindow::asCsv() const
{
    QStringList header;
    for (int c = 0; c < table_->columnCount(); ++c)
        header << csvField(
            table_->horizontalHeaderItem(c)->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    QString csv = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table_->columnCount(); ++c)
            row << csvField(table_->item(r, c) ? table_->item(r, c)->text() : QString());
        csv += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

void ClassOverviewWindow::save()
{
    const auto chosen = askFileToSave(this, boxes_, qtText(texts::kClassOverviewTitle),
        QDir::home().filePath(qtText(texts::kClassDefaultName)),
        qtText(texts::kClassSaveFilters).split(QStringLiteral(";;")));
    if (!chosen)
        return;
    writeUserFile(this, boxes_, chosen->path, asCsv().toUtf8(), texts::kSaveFailed);
}

} // namespace cramer
