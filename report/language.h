// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The language the program speaks: Bulgarian, in which its texts are
// written, or English through Qt's translation system. Numbers follow the
// locale whatever the language.

#include <QString>

#include <optional>

namespace cramer {

enum class Language { Bulgarian, English };

// "bg" or "en", as --language and the settings name them.
std::optional<Language> languageNamed(const QString& name);
QString languageCode(Language language);

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
