// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/progress_window.h"

#include "progress/progress_export.h"
#include "report/practice_texts.h"
#include "window/form/message_boxes.h"
#include "window/shell/user_files.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace cramer {
namespace {

using texts::qtText;

// One colour a skill, apart in hue and lightness so that they tell apart in grey too.
constexpr std::array<QRgb, kSkills> kSkillColours { 0xff1f77b4, 0xffd62728, 0xff2ca02c, 0xff9467bd,
    0xff8c564b, 0xffe377c2, 0xff7f7f7f };

// The week by its dates: "7 дек. – 13 дек.".
QString weekText(const QDate& monday)
{
    return qtText(texts::kProgressWeek)
        .arg(QLocale().toString(monday, QStringLiteral("d MMM")),
            QLocale().toString(monday.addDays(6), QStringLiteral("d MMM")));
}

QTableWidget* table(QWidget* parent, std::initializer_list<texts::Text> headers)
{
    auto* widget = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    QStringList labels;
    for (const texts::Text& header : headers)
        labels << qtText(header);
    widget->setHorizontalHeaderLabels(labels);
    widget->verticalHeader()->hide();
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    widget->horizontalHeader()->setStretchLastSection(true);
    return widget;
}

// Rows of the two tables as cells.
std::vector<QStringList> skillRows(const ProgressSummary& summary)
{
    std::vector<QStringList> rows;
    for (int k = 0; k < kSkills; ++k) {
        const SkillProgress& skill = summary.skills[static_cast<std::size_t>(k)];
        if (skill.firstTries == 0)
            continue;
        const WeekShare& last = skill.weeks.back();
        rows.push_back({ qtText(texts::kSkillNames[k]), QString::number(skill.firstTries),
            shareText(skill.right, skill.firstTries),
            qtText(texts::kProgressWeekShare)
                .arg(shareText(last.right, last.firstTries), weekText(last.week)) });
    }
    return rows;
}

std::vector<QStringList> mistakeRows(const ProgressSummary& summary)
{
    std::vector<QStringList> rows;
    for (const RecurringMistake& mistake : summary.mistakes)
        rows.push_back({ mistakeWords(mistake.mistake), QString::number(mistake.count),
            QLocale().toString(mistake.lastSeen.toLocalTime().date(), QLocale::ShortFormat) });
    return rows;
}

void fill(QTableWidget* widget, const std::vector<QStringList>& rows)
{
    widget->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rows[static_cast<std::size_t>(r)].size(); ++c)
            widget->setItem(r, c, new QTableWidgetItem(rows[static_cast<std::size_t>(r)][c]));
}

} // namespace

QString mistakeWords(const QString& name)
{
    for (const auto& [kept, words] : texts::kMistakeWords)
        if (name == QLatin1String(kept))
            return qtText(words);
    return name;
}

ProgressChart::ProgressChart(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(qtText(texts::kProgressChartName));
    setMinimumHeight(180);
}

void ProgressChart::setSummary(const ProgressSummary& summary)
{
    summary_ = summary;
    weeks_.clear();
    for (const SkillProgress& skill : summary.skills)
        for (const WeekShare& week : skill.weeks)
            weeks_.push_back(week.week);
    std::sort(weeks_.begin(), weeks_.end());
    weeks_.erase(std::unique(weeks_.begin(), weeks_.end()), weeks_.end());
    update();
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics(font());
    const int left = metrics.horizontalAdvance(qtText(texts::kProgressShare).arg(100)) + 8;
    const int bottom = metrics.height() + 6;
    const QRectF plot(left, 8, width() - left - 12, height() - bottom - 16);
    painter.setPen(QPen(palette().mid().color(), 1));
    for (int share = 0; share <= 100; share += 25) {
        const qreal y = plot.bottom() - plot.height() * share / 100.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().text().color());
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, left - 6, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, qtText(texts::kProgressShare).arg(share));
        painter.setPen(QPen(palette().mid().color(), 1));
    }
    if (weeks_.empty())
        return;
    const auto x = [&](const QDate& week) {
        const auto at = std::find(weeks_.begin(), weeks_.end(), week) - weeks_.begin();
        return weeks_.size() == 1
            ? plot.center().x()
            : plot.left() + plot.width() * static_cast<qreal>(at) / static_cast<qreal>(weeks_.size() - 1);
    };
    painter.setPen(palette().text().color());
    const int step = std::max<int>(1, static_cast<int>(weeks_.size()) / 6);
    for (std::size_t i = 0; i < weeks_.size(); i += static_cast<std::size_t>(step)) {
        // Within the widget at both ends.
        const qreal centre = std::clamp(x(weeks_[i]), 40.0, width() - 40.0);
        painter.drawText(QRectF(centre - 40, plot.bottom() + 4, 80, metrics.height()), Qt::AlignHCenter,
            QLocale().toString(weeks_[i], QStringLiteral("d MMM")));
    }
    for (int k = 0; k < kSkills; ++k) {
        const SkillProgress& skill = summary_.skills[static_cast<std::size_t>(k)];
        if (skill.weeks.empty())
            continue;
        painter.setPen(QPen(QColor(kSkillColours[static_cast<std::size_t>(k)]), 2));
        painter.setBrush(QColor(kSkillColours[static_cast<std::size_t>(k)]));
        QPainterPath line;
        for (const WeekShare& week : skill.weeks) {
            const QPointF point(x(week.week), plot.bottom() - plot.height() * week.right / week.firstTries);
            if (line.elementCount() == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
            painter.drawEllipse(point, 2.5, 2.5);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
    }
}

ProgressWindow::ProgressWindow(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("progressWindow"));
    chart_ = new ProgressChart(this);
    skills_ = table(this,
        { texts::kProgressSkillHeader, texts::kProgressFirstTriesHeader, texts::kProgressShareHeader,
            texts::kProgressLastWeekHeader });
    mistakes_ = table(
        this, { texts::kProgressMistakeHeader, texts::kProgressCountHeader, texts::kProgressLastSeenHeader });
    time_ = new QLabel(this);
    time_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::pair<texts::Text, std::function<void()>> actions[] = {
        { texts::kProgressWeakSpot, [this] { emit weakSpotRequested(); } },
        { texts::kProgressCopy, [this] { copy(); } },
        { texts::kProgressSave, [this] { save(); } },
        { texts::kProgressForget, [this] { emit forgetRequested(); } },
    };
    for (const auto& [text, run] : actions)
        connect(
            buttons->addButton(qtText(text), QDialogButtonBox::ActionRole), &QPushButton::clicked, this, run);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 2);
    layout->addWidget(skills_, 1);
    layout->addWidget(mistakes_, 1);
    layout->addWidget(time_);
    layout->addWidget(buttons);
    resize(760, 720);
}

void ProgressWindow::show(const QString& student, const ProgressSummary& summary)
{
    student_ = student;
    summary_ = summary;
    setWindowTitle(qtText(texts::kProgressTitle).arg(student));
    chart_->setSummary(summary_);
    fill(skills_, skillRows(summary_));
    // The skill's colour in the chart beside its name: the chart's legend.
    int row = 0;
    for (int k = 0; k < kSkills; ++k)
        if (summary_.skills[static_cast<std::size_t>(k)].firstTries > 0)
            skills_->item(row++, 0)->setData(
                Qt::DecorationRole, QColor(kSkillColours[static_cast<std::size_t>(k)]));
    fill(mistakes_, mistakeRows(summary_));
    time_->setText(summary_.exercises == 0 ? qtText(texts::kProgressNobody)
                                           : qtText(texts::kProgressTime)
                                                 .arg(QLocale().toString(summary_.medianMinutes, 'f', 1),
                                                     QString::number(summary_.exercises)));
    QWidget::show();
    raise();
    activateWindow();
}

QString ProgressWindow::asText() const
{
    QString text = windowTitle() + QLatin1Char('\n');
    for (const auto& rows : { skillRows(summary_), mistakeRows(summary_) }) {
        text += QLatin1Char('\n');
        for (const QStringList& row : rows)
            text += row.join(QStringLiteral(" | ")) + QLatin1Char('\n');
    }
    return text + QLatin1Char('\n') + time_->text() + QLatin1Char('\n');
}

QString ProgressWindow::asHtml() const
{
    QString html
        = QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">\n<head><meta charset=\"utf-8\"><title>")
        + windowTitle().toHtmlEscaped() + QStringLiteral("</title></head>\n<body>\n<h1>")
        + windowTitle().toHtmlEscaped() + QStringLiteral("</h1>\n");
    for (const QTableWidget* widget : { skills_, mistakes_ }) {
        html += QStringLiteral("<table border=\"1\" cellpadding=\"3\">\n<tr>");
        for (int c = 0; c < widget->columnCount(); ++c)
            html += QStringLiteral("<th>") + widget->horizontalHeaderItem(c)->text().toHtmlEscaped()
                + QStringLiteral("</th>");
        html += QStringLiteral("</tr>\n");
        for (int r = 0; r < widget->rowCount(); ++r) {
            html += QStringLiteral("<tr>");
            for (int c = 0; c < widget->columnCount(); ++c)
                html += QStringLiteral("<td>") + widget->item(r, c)->text().toHtmlEscaped()
                    + QStringLiteral("</td>");
            html += QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</table>\n");
    }
    return html + QStringLiteral("<p>") + time_->text().toHtmlEscaped()
        + QStringLiteral("</p>\n</body>\n</html>\n");
}

QString ProgressWindow::asCsv() const
{
    // One row per skill, then one per mistake; a quoted field where it holds a comma.
    QString csv;
    for (const QTableWidget* widget : { skills_, mistakes_ }) {
        QStringList header;
        for (int c = 0; c < widget->columnCount(); ++c)
            header << csvField(widget->horizontalHeaderItem(c)->text());
        csv += header.join(QLatin1Char(',')) + QLatin1Char('\n');
        for (int r = 0; r < widget->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < widget->columnCount(); ++c)
                row << csvField(widget->item(r, c)->text());
            csv += row.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
    }
    return csv;
}

void ProgressWindow::copy() const { copyTextAndHtml(asText(), asHtml()); }

bool ProgressWindow::saveTo(const QString& path, int type)
{
    const QString content = type == 0 ? asText() : type == 1 ? asHtml() : asCsv();
    return writeUserFile(this, boxes_, path, content.toUtf8(), texts::kSaveFailed);
}

void ProgressWindow::save()
{
    const auto chosen = askFileToSave(this, boxes_, qtText(texts::kProgressSaveTitle),
        QDir::home().filePath(qtText(texts::kProgressDefaultName)),
        qtText(texts::kProgressFileFilters).split(QStringLiteral(";;")));
    if (chosen)
        saveTo(chosen->path, chosen->type);
}

QString shareText(int right, int of)
{
    if (of == 0)
        return QStringLiteral("—");
    return qtText(texts::kProgressShare).arg(std::lround(100.0 * right / of));
}

} // namespace cramer
