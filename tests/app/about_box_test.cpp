// The About box in its two modes, and the splash's second.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "app/about_box_layout.h"
#include "app/qt/about_box.h"
#include "app/splash_wait.h"
#include "view/qt/bevel_panel.h"
#include "view/qt/design_to_qt.h"

namespace quorbals::test {
namespace {

// Runs the dialog modally and lets `act` close it (or not) from inside.
int RunAbout(const std::function<void(TF_About&)>& act) {
    TF_About about;
    about.SetBorderStyle(TF_About::BorderStyle::Dialog);
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        (void)QTest::qWaitForWindowExposed(&about);
        act(about);
        QTest::qWait(10);
        stillOpen = about.isVisible();
        if (stillOpen) {
            about.done(42);
        }
    });
    const int result = about.exec();
    return stillOpen ? -1 : result;
}

TEST(AboutBox, EveryLabelTheIconAndThePanelCloseTheDialog) {
    const auto clickOn = [](auto member) {
        return RunAbout([member](TF_About& a) {
            QWidget* w = a.*member;
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
        });
    };
    EXPECT_EQ(clickOn(&TF_About::L_Title), QDialog::Accepted);
    EXPECT_EQ(clickOn(&TF_About::L_Version), QDialog::Accepted);
    EXPECT_EQ(clickOn(&TF_About::L_Author), QDialog::Accepted);
    EXPECT_EQ(clickOn(&TF_About::L_Home), QDialog::Accepted);
    EXPECT_EQ(clickOn(&TF_About::L_Email), QDialog::Accepted);
    EXPECT_EQ(clickOn(&TF_About::L_Date), QDialog::Accepted);
    EXPECT_EQ(clickOn(&TF_About::Image1), QDialog::Accepted);
    EXPECT_EQ(RunAbout([](TF_About& a) {
                  QTest::mouseClick(a.P_Form, Qt::LeftButton, {}, QPoint(150, 260));
              }),
              QDialog::Accepted);
}

TEST(AboutBox, TheIconsFrameDoesNotCloseIt) {
    EXPECT_EQ(RunAbout([](TF_About& a) {
                  QTest::mouseClick(a.P_Icon, Qt::LeftButton, {}, QPoint(1, 1));
              }),
              -1);
}

TEST(AboutBox, EnterGivesOkAndEscapeCancel) {
    EXPECT_EQ(RunAbout([](TF_About& a) { QTest::keyClick(&a, Qt::Key_Return); }),
              QDialog::Accepted);
    EXPECT_EQ(RunAbout([](TF_About& a) { QTest::keyClick(&a, Qt::Key_Escape); }),
              QDialog::Rejected);
    EXPECT_EQ(RunAbout([](TF_About& a) { QTest::keyClick(&a, Qt::Key_A); }), -1);
}

TEST(AboutBox, ShowsItsLinesAndIsTheSizeOfItsPanelInBothModes) {
    for (auto style : {TF_About::BorderStyle::None, TF_About::BorderStyle::Dialog}) {
        TF_About about;
        about.SetBorderStyle(style);
        about.resize(400, 100);
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        // The box as its table lays it out, whatever size it was given.
        EXPECT_EQ(about.size(), QSize(kAboutForm.width, kAboutForm.height));
        EXPECT_EQ(about.L_Title->pos(), QPoint(kAboutTitleX, kAboutTitleY));
        const QLabel* lines[] = {about.L_Version, about.L_Author, about.L_Home, about.L_Email,
                                 about.L_Date};
        for (std::size_t i = 0; i < kAboutLines.size(); ++i) {
            EXPECT_EQ(lines[i]->geometry(), ToQRect(kAboutLines[i].rect));
            EXPECT_EQ(lines[i]->text().toStdString(), kAboutLines[i].text);
        }
        EXPECT_EQ(about.P_Icon->geometry(), ToQRect(kAboutIconFrame));
        EXPECT_EQ(about.Image1->geometry(), ToQRect(kAboutIconImage));
        EXPECT_FALSE(about.Image1->pixmap().isNull());
    }
}

TEST(AboutBox, TheSplashIgnoresClicksAndKeys) {
    TF_About splash;
    splash.SetBorderStyle(TF_About::BorderStyle::None);
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(splash.L_Title, Qt::LeftButton);
    QTest::mouseClick(splash.P_Form, Qt::LeftButton, {}, QPoint(150, 260));
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    EXPECT_TRUE(splash.isVisible());
}

TEST(SplashWait, EndsAtOneSecondOfTheDayFraction) {
    EXPECT_FALSE(SplashWaitOver(0));
    EXPECT_FALSE(SplashWaitOver(999));
    EXPECT_TRUE(SplashWaitOver(1000));
    EXPECT_TRUE(SplashWaitOver(5000));
}

TEST(SplashWait, WaitsOnTheMonotonicClockAndEndsAtOnceWhenLate) {
    std::int64_t now = 200;
    int sleeps = 0;
    WaitForSplash(
        200, [&] { return now; }, [&] { now += 100, ++sleeps; });
    EXPECT_EQ(now, 1200);
    EXPECT_EQ(sleeps, 10);
    sleeps = 0;
    WaitForSplash(
        0, [] { return std::int64_t{1500}; }, [&] { ++sleeps; });
    EXPECT_EQ(sleeps, 0);
}

}  // namespace
}  // namespace quorbals::test
