// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/language_choice.h"

#include "report/language.h"
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
    // Each language by its own name, so that one who cannot read the
    // language spoken finds their own.
    for (const LanguageEntry& entry : kLanguages) {
        const Language language = entry.language;
        QAction* action = gate.add(this, QLatin1Char('&') + languageOwnName(language), QKeySequence(),
            [this, language] { choose(language); });
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
    // Said in the language chosen, and in the one spoken now.
    if (changed && language != installedLanguage())
        boxes_.inform(&window_, textIn(language, texts::kLanguageTitle),
            textIn(language, texts::kLanguageNextStart) + QStringLiteral("\n\n")
                + texts::qtText(texts::kLanguageNextStart));
}

} // namespace cramer
