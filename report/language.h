// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The language the program speaks: Bulgarian, in which its texts are
// written, or English through Qt's translation system. Numbers follow the
// locale whatever the language.

#include "report/texts.h"

#include <QString>

#include <array>
#include <optional>

namespace cramer {

enum class Language { Bulgarian, English };

// Every language the program speaks, once: its code, as --language and the
// settings name it, and its own name, as a language menu shows it in every
// language.
struct LanguageEntry {
    Language language;
    const char* code;
    const char* ownName; // UTF-8
    const char* babel; // LaTeX's name of it, for babel
    const char* fontEncoding; // the LaTeX font encoding its letters need
};
extern const std::array<LanguageEntry, 2> kLanguages;

// A language's code ("bg", "en", in any case) or a locale's name
// ("en_US", "bg_BG.UTF-8").
std::optional<Language> languageNamed(const QString& name);
QString languageCode(Language language);
QString languageOwnName(Language language);
const LanguageEntry& languageEntry(Language language);

// `text` as `language` says it, whatever language is installed.
QString textIn(Language language, texts::Text text);
// `text` in every language, each once, joined by " / ": for what must be
// read before any language is chosen.
QString textInEvery(texts::Text text);

// Whether Qt's own texts (dialogs, context menus, --help's headings) are
// translated too, or left as Qt writes them.
enum class QtTexts { Translated, AsQtWritesThem };

// The program's texts, and Qt's own as `qt` says, in `language`, replacing
// any installed before. Needs the application object; returns whether every
// translation needed was found.
bool installLanguage(Language language, QtTexts qt = QtTexts::Translated);

// The language installed last (Bulgarian until one is).
Language installedLanguage();

} // namespace cramer
