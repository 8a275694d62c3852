// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/colour_choice.h"

#include "report/texts.h"
#include "window/form/controls.h"
#include "window/form/form1.h"
#include "window/form/layout_tables.h"
#include "window/shell/command_gate.h"

#include <QAction>
#include <QSettings>

namespace cramer {
namespace {

const QString kSetting = QStringLiteral("view/contrastColours");

} // namespace

bool desktopAsksForHighContrast()
{
    return qEnvironmentVariable("GTK_THEME").contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive);
}

ColourChoice::ColourChoice(Form1& form, QWidget& area, CommandGate& gate, QObject* parent)
    : QObject(parent)
    , form_(form)
    , area_(area)
{
    contrast_ = gate.add(this, texts::kContrastColours, QKeySequence(), [this] {
        setContrast(contrast_->isChecked());
        QSettings().setValue(kSetting, contrast_->isChecked());
    });
    contrast_->setCheckable(true);
    setContrast(QSettings().value(kSetting, desktopAsksForHighContrast()).toBool());
}

void ColourChoice::setContrast(bool on)
{
    contrast_->setChecked(on);
    const tables::ColourSet set = on ? tables::ColourSet::Contrast : tables::ColourSet::Specified;
    if (set == tables::colourSet())
        return;
    tables::setColourSet(set);
    refreshColours(&form_);
    area_.update(); // the bands around the form
}

} // namespace cramer
