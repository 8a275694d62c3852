// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/user_locale.h"

#include <QLocale>

namespace cramer {

NumberLocale userNumberLocale()
{
    const QLocale locale;
    return { locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString() };
}

} // namespace cramer
