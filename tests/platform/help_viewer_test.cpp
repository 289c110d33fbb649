// The real help library, loaded as the game loads it, with the real help file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/qt/help_library.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

const std::string kHelpFile = std::string(ASSETS_DIR) + "/quorbals.chm";

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void Catch(const QUrl& url) { urls.push_back(url); }
};

std::vector<QTextBrowser*> HelpWindows() {
    std::vector<QTextBrowser*> windows;
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* browser = qobject_cast<QTextBrowser*>(widget);
        if (browser != nullptr && browser->isWindow()) {
            windows.push_back(browser);
        }
    }
    return windows;
}

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadHelpLibrary(HELP_LIBRARY);
        ASSERT_NE(HtmlHelpEntry(), nullptr);
        main_window_ = new QWidget;
        main_window_->resize(273, 306);
        main_window_->show();
    }
    void TearDown() override {
        delete main_window_;  // takes the help window with it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTextBrowser* ShowHelp(const std::string& helpFile = kHelpFile) {
        ShowHelpContents(main_window_, helpFile);
        const std::vector<QTextBrowser*> windows = HelpWindows();
        return windows.size() == 1 ? windows.front() : nullptr;
    }

    QWidget* main_window_ = nullptr;
};

TEST_F(HelpViewerTest, ShowsTheMainTopicWithItsStyleSheetAndPicture) {
    QTextBrowser* viewer = ShowHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Quorbals Help"));
    const QString text = viewer->document()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("A game in brief"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("five or more of one colour")));

    // The heading takes its colour from the help's style sheet.
    bool heading_found = false;
    for (QTextBlock block = viewer->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1 && block.text() == QStringLiteral("Quorbals")) {
            heading_found = true;
            EXPECT_EQ(block.charFormat().foreground().color(), QColor(0x1a, 0x3f, 0xa8));
        }
    }
    EXPECT_TRUE(heading_found);

    const QVariant picture =
        viewer->document()->resource(QTextDocument::ImageResource, QUrl("images/quorbals.png"));
    const QImage image = picture.value<QImage>();
    EXPECT_EQ(image.size(), QSize(32, 32));
}

TEST_F(HelpViewerTest, FollowsLinksInsideTheHelpAndSendsWebLinksToTheBrowser) {
    QTextBrowser* viewer = ShowHelp();
    ASSERT_NE(viewer, nullptr);

    emit viewer->anchorClicked(QUrl(QStringLiteral("scoring.htm")));
    EXPECT_TRUE(viewer->document()->toPlainText().contains(QStringLiteral("10 + 12")));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Scoring - Quorbals Help"));

    // From there, a link relative to that page.
    emit viewer->anchorClicked(QUrl(QStringLiteral("files.htm")));
    EXPECT_TRUE(viewer->document()->toPlainText().contains(QStringLiteral("quorbals.scr")));

    const QUrl page = viewer->source();
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "Catch");
    emit viewer->anchorClicked(QUrl(QStringLiteral("https://quorbals.example.org/")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(browser.urls.size(), 1u);
    EXPECT_EQ(browser.urls[0], QUrl(QStringLiteral("https://quorbals.example.org/")));
    EXPECT_EQ(viewer->source(), page);
}

TEST_F(HelpViewerTest, EverySecondRequestReusesTheOneWindowAtTheMainTopic) {
    QTextBrowser* first = ShowHelp();
    ASSERT_NE(first, nullptr);
    emit first->anchorClicked(QUrl(QStringLiteral("rules.htm")));
    ASSERT_FALSE(first->document()->toPlainText().contains(QStringLiteral("A game in brief")));

    QTextBrowser* second = ShowHelp();  // F1: once on press, once on release
    QTextBrowser* third = ShowHelp();
    EXPECT_EQ(second, first);
    EXPECT_EQ(third, first);
    EXPECT_EQ(HelpWindows().size(), 1u);
    EXPECT_TRUE(first->document()->toPlainText().contains(QStringLiteral("A game in brief")));
}

TEST_F(HelpViewerTest, OpensBesideTheMainWindowAndComesBackWhenMinimised) {
    // The test screen is 800 wide: room on the left of the window only.
    main_window_->move(650, 10);
    QTextBrowser* viewer = ShowHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_LT(viewer->frameGeometry().right(), main_window_->frameGeometry().left())
        << "not over the Desk";

    viewer->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([viewer] { return viewer->isMinimized(); }, 1000));
    ShowHelp();
    EXPECT_FALSE(viewer->isMinimized());
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(HelpViewerTest, GoesWithTheMainWindowAndNeverKeepsTheProgramRunning) {
    QTextBrowser* viewer = ShowHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->testAttribute(Qt::WA_QuitOnClose));
    QPointer<QTextBrowser> watch(viewer);

    // Closing the main window ends the event loop although help is open.
    QSignalSpy last_window_closed(qApp, &QGuiApplication::lastWindowClosed);
    bool gave_up = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&gave_up] {
        gave_up = true;
        QCoreApplication::quit();
    });
    safety.start(5000);
    QTimer::singleShot(0, main_window_, [this] { main_window_->close(); });
    QApplication::exec();
    EXPECT_FALSE(gave_up);
    EXPECT_EQ(last_window_closed.count(), 1);
    EXPECT_FALSE(viewer->isVisible());

    delete main_window_;
    main_window_ = nullptr;
    EXPECT_TRUE(watch.isNull());
}

TEST_F(HelpViewerTest, MissingOrDamagedHelpFileShowsAShortMessage) {
    test::TempFolder temp;
    QTextBrowser* viewer = ShowHelp(temp / "nowhere.chm");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->document()->toPlainText().contains(QStringLiteral("missing or damaged")));

    const auto garbage = temp.Write("garbage.chm", std::string(5000, '\x5a'));
    viewer = ShowHelp(garbage);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->document()->toPlainText().contains(QStringLiteral("missing or damaged")));

    // The real file cut short: whatever chmlib makes of it, no crash and
    // some text in the window.
    std::ifstream whole(kHelpFile, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    for (std::size_t length : {bytes.size() / 2, bytes.size() / 8, std::size_t{200}}) {
        const auto cut =
            temp.Write("cut" + std::to_string(length) + ".chm", bytes.substr(0, length));
        viewer = ShowHelp(cut);
        ASSERT_NE(viewer, nullptr);
        EXPECT_FALSE(viewer->document()->toPlainText().isEmpty());
    }

    // And the good file again in the same window.
    viewer = ShowHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->document()->toPlainText().contains(QStringLiteral("A game in brief")));
}

TEST_F(HelpViewerTest, OnlyTheDisplayTopicCommandIsServed) {
    const HtmlHelpFunction entry = HtmlHelpEntry();
    const std::uintptr_t topic = reinterpret_cast<std::uintptr_t>("quorbals.htm");
    EXPECT_EQ(entry(main_window_, kHelpFile.c_str(), 1, topic), nullptr);
    EXPECT_EQ(entry(main_window_, kHelpFile.c_str(), 0x0F, topic), nullptr);
    EXPECT_TRUE(HelpWindows().empty());
    EXPECT_NE(entry(main_window_, kHelpFile.c_str(), kHhDisplayTopic, topic), nullptr);
    EXPECT_EQ(HelpWindows().size(), 1u);
}

TEST_F(HelpViewerTest, OtherTopicsByNameAndUnknownTopicsGetAMessage) {
    const HtmlHelpFunction entry = HtmlHelpEntry();
    auto show = [&](const char* topic) {
        entry(main_window_, kHelpFile.c_str(), kHhDisplayTopic,
              reinterpret_cast<std::uintptr_t>(topic));
        return HelpWindows().front()->document()->toPlainText();
    };
    EXPECT_TRUE(show("/scoring.htm").contains(QStringLiteral("10 + 12")));
    EXPECT_TRUE(show("rules.htm#x").contains(QStringLiteral("Moving a ball")));
    EXPECT_TRUE(show("nothere.htm").contains(QStringLiteral("has no page")));
    EXPECT_TRUE(show("quorbals.htm").contains(QStringLiteral("A game in brief")));
    EXPECT_EQ(HelpWindows().size(), 1u);
}

}  // namespace
}  // namespace quorbals

#include "help_viewer_test.moc"
