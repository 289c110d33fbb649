#include "platform/qt/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorbals {
namespace {

void OpenWithDesktop(QWidget* /*owner*/, const char* url) {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(url)));
}

WebAddressOpener g_opener = &OpenWithDesktop;

}  // namespace

void OpenWebAddress(QWidget* owner, const char* url) {
    g_opener(owner, url);
}

WebAddressOpener SetWebAddressOpener(WebAddressOpener opener) {
    WebAddressOpener previous = g_opener;
    g_opener = opener != nullptr ? opener : &OpenWithDesktop;
    return previous;
}

}  // namespace quorbals
