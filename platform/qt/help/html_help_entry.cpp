// The help library's one entry, called by the game through dlsym.
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "platform/qt/help/help_viewer.h"

namespace {

constexpr unsigned int kHhDisplayTopic = 0;

// One help window per run, reused by every request.
QPointer<quorbals::help::HelpViewer> g_viewer;

}  // namespace

extern "C" __attribute__((visibility("default"))) void* HtmlHelpA(void* caller,
                                                                  const char* helpFile,
                                                                  unsigned int command,
                                                                  std::uintptr_t data) {
    if (command != kHhDisplayTopic || helpFile == nullptr || data == 0 ||
        qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return nullptr;
    }
    const char* topic = reinterpret_cast<const char*>(data);
    if (g_viewer.isNull()) {
        auto* owner = static_cast<QWidget*>(caller);
        g_viewer = new quorbals::help::HelpViewer(owner);
        if (owner == nullptr) {
            // Nothing owns it, so it goes when the program ends.
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, g_viewer.data(),
                             &QObject::deleteLater);
        }
    }
    quorbals::help::HelpViewer* viewer = g_viewer.data();
    viewer->ShowTopic(QByteArray(helpFile), QString::fromUtf8(topic));
    viewer->Present();
    return viewer;
}
