#include "platform/qt/help_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/exe_dir.h"

namespace quorbals {
namespace {

template <typename Function>
Function FakeProbe(const char* name) {
    // The loader keeps the library open, so this returns the same copy.
    void* handle = dlopen(FAKE_HELP_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    return handle != nullptr ? reinterpret_cast<Function>(dlsym(handle, name)) : nullptr;
}

TEST(HelpLibraryTest, CallsTheEntryWithCallerFileDisplayTopicAndMainTopic) {
    LoadHelpLibrary(FAKE_HELP_LIBRARY);
    ASSERT_NE(HtmlHelpEntry(), nullptr);
    auto count = FakeProbe<int (*)()>("FakeHelpCallCount");
    ASSERT_NE(count, nullptr);
    const int before = count();

    int window = 0;  // any address will do as the caller
    const std::string helpFile = "/opt/Quorbals spiel/lib/quorbals/quorbals.chm";
    ShowHelpContents(reinterpret_cast<QWidget*>(&window), helpFile);

    EXPECT_EQ(count(), before + 1);
    EXPECT_EQ(FakeProbe<void* (*)()>("FakeHelpCaller")(), &window);
    EXPECT_EQ(std::string(FakeProbe<const char* (*)()>("FakeHelpFile")()), helpFile);
    EXPECT_EQ(FakeProbe<unsigned int (*)()>("FakeHelpCommand")(), 0u);
    EXPECT_EQ(std::string(FakeProbe<const char* (*)()>("FakeHelpTopic")()), "quorbals.htm");
}

TEST(HelpLibraryTest, MissingLibraryLeavesHelpSilent) {
    LoadHelpLibrary(FAKE_HELP_LIBRARY);
    LoadHelpLibrary("/nonexistent/folder/libquorbals-help.so");
    EXPECT_EQ(HtmlHelpEntry(), nullptr);
    ShowHelpContents(nullptr, "/tmp/quorbals.chm");  // must simply do nothing
}

TEST(HelpLibraryTest, LibraryWithoutTheEntryLeavesHelpSilent) {
    LoadHelpLibrary(NO_ENTRY_LIBRARY);
    EXPECT_EQ(HtmlHelpEntry(), nullptr);
    ShowHelpContents(nullptr, "/tmp/quorbals.chm");
}

TEST(HelpLibraryTest, DefaultLoadLooksOnlyBesideTheProgram) {
    // No help library lies beside the test programs.
    LoadHelpLibrary();
    EXPECT_EQ(HtmlHelpEntry(), nullptr);
}

int g_recorded_calls = 0;
void* RecordingEntry(void*, const char*, unsigned int, std::uintptr_t) {
    ++g_recorded_calls;
    return nullptr;
}

TEST(HelpLibraryTest, TestsMayStoreAnEntryOfTheirOwn) {
    SetHtmlHelpEntry(&RecordingEntry);
    ShowHelpContents(nullptr, "x.chm");
    EXPECT_EQ(g_recorded_calls, 1);
    SetHtmlHelpEntry(nullptr);
    ShowHelpContents(nullptr, "x.chm");
    EXPECT_EQ(g_recorded_calls, 1);
}

}  // namespace
}  // namespace quorbals
