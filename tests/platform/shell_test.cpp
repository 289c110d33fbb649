#include "platform/qt/shell.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QWidget>
#include <string>
#include <vector>

namespace quorbals {
namespace {

std::vector<std::string> g_opened;
QWidget* g_owner = nullptr;

void Record(QWidget* owner, const char* url) {
    g_owner = owner;
    g_opened.emplace_back(url);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void Catch(const QUrl& url) { urls.push_back(url); }
};

TEST(ShellTest, TestsCanRecordTheAddressesOpened) {
    g_opened.clear();
    QWidget owner;
    WebAddressOpener previous = SetWebAddressOpener(&Record);
    OpenWebAddress(&owner, "https://quorbals.example.org/");
    SetWebAddressOpener(previous);

    EXPECT_EQ(g_opened, std::vector<std::string>{"https://quorbals.example.org/"});
    EXPECT_EQ(g_owner, &owner);
}

TEST(ShellTest, TheRealOpenerHandsTheAddressToTheDesktop) {
    SetWebAddressOpener(nullptr);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Catch");
    OpenWebAddress(nullptr, "https://games.example.org/");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    ASSERT_EQ(catcher.urls.size(), 1u);
    EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("https://games.example.org/")));
}

}  // namespace
}  // namespace quorbals

#include "shell_test.moc"
