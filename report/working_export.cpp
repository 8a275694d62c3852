// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_export.h"

#include "report/texts.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace cramer {

bool isPdfName(const QString& path) { return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive); }

void printWorking(const WorkingDocument& document, QPagedPaintDevice& device)
{
    QTextDocument text;
    text.setHtml(workingAsHtml(document));
    text.print(&device);
}

QString writeWorkingFile(const QString& path, const WorkingDocument& document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (isPdfName(path)) {
        QPdfWriter writer(&file);
        writer.setTitle(texts::qtText(texts::kWorkingTitle));
        writer.setCreator(QStringLiteral("cramer"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        printWorking(document, writer);
    } else {
        file.write(workingAsHtml(document).toUtf8());
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace cramer
