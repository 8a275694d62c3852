// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace cramer {
namespace {

// A notification whose name is the text to speak.
class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer*>(object())->lastAnnouncement();
        return QAccessibleWidget::text(t);
    }
    // Screen readers ask whether it is showing before they speak it.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = false;
        state.offscreen = false;
        return state;
    }
};

QAccessibleInterface* accessibleAnnouncer(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    hide();
}

void Announcer::announce(const QString& text)
{
    text_ = text;
    if (text.isEmpty())
        return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace cramer
