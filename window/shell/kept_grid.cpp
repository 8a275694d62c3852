// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/kept_grid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace cramer {
namespace {

QJsonObject systemObject(const TypedSystem& system)
{
    QJsonArray texts;
    for (const std::string& text : system.texts)
        texts.append(QString::fromStdString(text));
    return { { QStringLiteral("n"), system.n }, { QStringLiteral("texts"), texts } };
}

std::optional<TypedSystem> systemFrom(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonArray texts = object.value(QStringLiteral("texts")).toArray();
    TypedSystem system { object.value(QStringLiteral("n")).toInt(), {} };
    if (system.n < kMinSize || system.n > kMaxSize || texts.size() != system.n * (system.n + 1))
        return std::nullopt;
    for (const QJsonValue& text : texts)
        system.texts.push_back(text.toString().toStdString());
    return system;
}

} // namespace

QString keptGridPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("grid-at-close.json"));
}

bool holdsTyping(const GridState& state)
{
    return std::any_of(state.system.texts.begin(), state.system.texts.end(),
        [](const std::string& text) { return !text.empty(); });
}

bool keepGrid(const KeptGrid& grid, const QString& path)
{
    QJsonObject object = systemObject(grid.state.system);
    object.insert(QStringLiteral("laidOut"), grid.state.laidOut);
    if (!grid.file.isEmpty())
        object.insert(QStringLiteral("file"), grid.file);
    if (grid.inFile)
        object.insert(QStringLiteral("inFile"), systemObject(*grid.inFile));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return file.commit();
}

std::optional<KeptGrid> keptGrid(const QString& path)
{
    QFile file(path);
    // A grid is a few hundred bytes; anything much larger is not ours.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    const std::optional<TypedSystem> system = systemFrom(object);
    if (!system)
        return std::nullopt;
    KeptGrid grid { { *system, object.value(QStringLiteral("laidOut")).toBool(true) },
        object.value(QStringLiteral("file")).toString(), std::nullopt };
    if (object.contains(QStringLiteral("inFile")))
        grid.inFile = systemFrom(object.value(QStringLiteral("inFile")));
    return grid;
}

} // namespace cramer
