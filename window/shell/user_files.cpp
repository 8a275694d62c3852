// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/user_files.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace cramer {

bool hasSuffix(const QString& path, std::initializer_list<const char*> suffixes)
{
    const QString suffix = QFileInfo(path).suffix();
    return std::any_of(suffixes.begin(), suffixes.end(), [&suffix](const char* wanted) {
        return suffix.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
    });
}

QString withSuffix(const QString& path, std::initializer_list<const char*> suffixes)
{
    return hasSuffix(path, suffixes) ? path : path + QLatin1Char('.') + QLatin1String(*suffixes.begin());
}

void copyTextAndHtml(const QString& text, const QString& html)
{
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace cramer
