#include "view/qt/announcer.h"

#include <QAccessible>
#include <QLabel>

#include "view/qt/accessibility.h"

namespace quorbals {

Announcer::Announcer(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    InstallAccessibility();
    // Of no size: nothing of it is ever painted. Hidden until the first
    // news, so that readers have nothing to say of it before.
    setFixedSize(0, 0);
    label_->setFixedSize(0, 0);
    hide();
}

void Announcer::Announce(const QString& text) {
    // The label tells readers of its new name itself.
    label_->setText(text);
    // Readers speak a notification when it shows: its role, then its
    // labels. Once shown it never hides, since some readers speak it on
    // hiding too: it shows again for each news.
    if (isHidden()) {
        show();  // which Qt tells readers
        return;
    }
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Announcer::Text() const {
    return label_->text();
}

}  // namespace quorbals
