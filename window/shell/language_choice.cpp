// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/language_choice.h"

#include "report/texts.h"
#include "window/form/message_boxes.h"
#include "window/shell/command_gate.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include <utility>

namespace cramer {
namespace {

const QString kSetting = QStringLiteral("view/language");

constexpr std::pair<Language, texts::Text> kLanguages[] = {
    { Language::Bulgarian, texts::kLanguageBulgarian },
    { Language::English, texts::kLanguageEnglish },
};

} // namespace

Language rememberedLanguage()
{
    return languageNamed(QSettings().value(kSetting).toString()).value_or(Language::Bulgarian);
}

LanguageChoice::LanguageChoice(QWidget& window, MessageBoxes& boxes, CommandGate& gate, QObject* parent)
    : QObject(parent)
    , window_(window)
    , boxes_(boxes)
{
    menu_ = new QMenu(texts::qtText(texts::kLanguageMenu), &window);
    menu_->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(this);
    for (const auto& [language, name] : kLanguages) {
        QAction* action = gate.add(this, name, QKeySequence(), [this, language] { choose(language); });
        action->setCheckable(true);
        action->setChecked(language == installedLanguage());
        group->addAction(action);
        menu_->addAction(action);
    }
}

void LanguageChoice::choose(Language language)
{
    const bool changed = language != rememberedLanguage();
    QSettings().setValue(kSetting, languageCode(language));
    if (changed && language != installedLanguage())
        boxes_.inform(&window_, texts::qtText(texts::kLanguageTitle), texts::qtText(texts::kLanguageNextStart));
}

} // namespace cramer
