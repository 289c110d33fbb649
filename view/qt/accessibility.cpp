#include "view/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "view/qt/desk_accessible.h"
#include "view/qt/desk_view.h"

namespace quorbals {

namespace {

QAccessibleInterface* GameWidgetInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    QWidget* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("quorbals::DeskView")) {
        return new DeskAccessible(static_cast<DeskView*>(widget));
    }
    if (className == QLatin1String("quorbals::TileImage")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    if (className == QLatin1String("quorbals::Announcer")) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    // Qt keeps each factory once.
    QAccessible::installFactory(&GameWidgetInterface);
}

}  // namespace quorbals
