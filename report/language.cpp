// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace cramer {
namespace {

struct Installed {
    Language language = Language::Bulgarian;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

// A translator loaded from `file`, or none when it cannot be.
std::unique_ptr<QTranslator> loaded(const QString& file, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, directory))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

std::optional<Language> languageNamed(const QString& name)
{
    if (name == QStringLiteral("bg"))
        return Language::Bulgarian;
    if (name == QStringLiteral("en"))
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("bg");
}

bool installLanguage(Language language, QtTexts qt)
{
    Installed& state = installed();
    for (auto* translator : { state.program.get(), state.qt.get() })
        if (translator)
            QCoreApplication::removeTranslator(translator);
    state.program.reset();
    state.qt.reset();
    state.language = language;
    const QString code = languageCode(language);
    if (qt == QtTexts::Translated)
        state.qt = loaded(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built in: Bulgarian, the texts' own language, for its plural forms alone.
    state.program = loaded(QStringLiteral("cramer_") + code, QStringLiteral(":/i18n"));
    return (qt == QtTexts::AsQtWritesThem || state.qt) && state.program;
}

Language installedLanguage() { return installed().language; }

} // namespace cramer
