// SPDX-License-Identifier: GPL-3.0-or-later

// The practice's summary copied and saved, as text or as HTML.

#include "window/shell/practice_window.h"

#include "report/file_messages.h"
#include "report/texts.h"
#include "report/working_forms.h"
#include "sheets/system_file.h"
#include "window/form/message_boxes.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>

namespace cramer {
namespace {

using texts::qtText;

bool isHtmlName(const QString& path)
{
    return path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)
        || path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive);
}

} // namespace

QString PracticeWindow::summaryAsHtml() const { return workingAsHtml(summaryDocument_); }

void PracticeWindow::copySummary() const
{
    auto* data = new QMimeData;
    data->setText(summary());
    data->setHtml(summaryAsHtml());
    QGuiApplication::clipboard()->setMimeData(data);
}

void PracticeWindow::saveSummary()
{
    QString filter;
    const QString path = QFileDialog::getSaveFileName(this, qtText(texts::kPracticeSaveTitle),
        QDir::home().filePath(qtText(texts::kPracticeDefaultName)), qtText(texts::kPracticeFileFilters),
        &filter);
    if (path.isEmpty())
        return;
    // The type chosen in the dialog decides; a name without its suffix gets it.
    const bool html = filter.startsWith(QStringLiteral("HTML"));
    QString target = path;
    if (html && !isHtmlName(path))
        target += QStringLiteral(".html");
    else if (!html && QFileInfo(path).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) != 0)
        target += QStringLiteral(".txt");
    saveSummaryTo(target);
}

bool PracticeWindow::saveSummaryTo(const QString& path)
{
    const QByteArray content = (isHtmlName(path) ? summaryAsHtml() : summary() + QLatin1Char('\n')).toUtf8();
    const FileError error = writeFileAtomically(QFile::encodeName(path).toStdString(),
        std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
    if (!error)
        return true;
    boxes_.inform(this, qtText(texts::kSaveFailedTitle),
        qtText(texts::kSaveFailed).arg(QDir::toNativeSeparators(path), systemErrorText(error)));
    return false;
}

} // namespace cramer
