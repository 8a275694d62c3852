// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <map>
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

// A translator for `language`'s own texts, loaded once.
const QTranslator* translatorOf(Language language)
{
    static std::map<Language, std::unique_ptr<QTranslator>> translators;
    auto& translator = translators[language];
    if (!translator) {
        translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral("cramer_") + languageCode(language), QStringLiteral(":/i18n")))
            translator.reset(new QTranslator);
    }
    return translator.get();
}

} // namespace

const std::array<LanguageEntry, 2> kLanguages { {
    { Language::Bulgarian, "bg", CRAMER_OWN_NAME("Български"), "bulgarian", "T2A" },
    { Language::English, "en", CRAMER_OWN_NAME("English"), "english", "T1" },
} };

std::optional<Language> languageNamed(const QString& name)
{
    // The language part of a locale's name: "en" of "en_US.UTF-8".
    const QString code = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    for (const LanguageEntry& entry : kLanguages)
        if (code == QLatin1String(entry.code))
            return entry.language;
    return std::nullopt;
}

const LanguageEntry& languageEntry(Language language)
{
    for (const LanguageEntry& entry : kLanguages)
        if (entry.language == language)
            return entry;
    return kLanguages.front();
}

QString languageCode(Language language) { return QString::fromLatin1(languageEntry(language).code); }

QString languageOwnName(Language language) { return QString::fromUtf8(languageEntry(language).ownName); }

QString textIn(Language language, texts::Text text)
{
    const QString translated = translatorOf(language)->translate(text.context, text.source);
    return translated.isEmpty() ? QString::fromUtf8(text.source) : translated;
}

QString textInEvery(texts::Text text)
{
    QStringList said;
    for (const LanguageEntry& entry : kLanguages)
        said << textIn(entry.language, text);
    said.removeDuplicates();
    return said.join(QStringLiteral(" / "));
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
