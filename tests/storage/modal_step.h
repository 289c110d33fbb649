// Acting on a modal dialog from inside its own event loop: the step runs
// once a modal widget of the wanted kind is up, and whatever it leaves open
// is closed, so that a failing step cannot hang the test.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

namespace quorbals::test {

// Closes whatever modal dialogs are still open a while after a step began:
// a step that got stuck in a nested dialog fails instead of hanging. The
// watchdog goes away with `owner`.
inline void CloseStrayModalsLater(QObject* owner, int afterMs = 10000) {
    QTimer::singleShot(afterMs, owner, [] {
        for (int n = 0; n < 10; ++n) {
            auto* stray = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (stray == nullptr) {
                break;
            }
            ADD_FAILURE() << "closing a stray " << stray->metaObject()->className();
            stray->reject();
            QApplication::processEvents();
        }
    });
}

template <class T>
void WhenModal(std::function<void(T*)> step) {
    QTimer::singleShot(0, [step] {
        T* modal = nullptr;
        (void)QTest::qWaitFor(
            [&] {
                modal = qobject_cast<T*>(QApplication::activeModalWidget());
                return modal != nullptr && modal->isVisible();
            },
            5000);
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " came up";
            return;
        }
        CloseStrayModalsLater(modal);
        step(modal);
        if (modal->isVisible() && QApplication::activeModalWidget() == modal) {
            ADD_FAILURE() << "the step left the dialog open";
            modal->reject();
        }
    });
}

}  // namespace quorbals::test
