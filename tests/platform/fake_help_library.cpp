// Stands in for libquorbals-help.so: records each call of its entry.
#include <cstdint>
#include <string>

namespace {

struct Call {
    int count = 0;
    void* caller = nullptr;
    std::string help_file;
    unsigned int command = 0;
    std::string topic;
};

Call g_last;

}  // namespace

extern "C" __attribute__((visibility("default"))) void* HtmlHelpA(void* caller,
                                                                  const char* helpFile,
                                                                  unsigned int command,
                                                                  std::uintptr_t data) {
    ++g_last.count;
    g_last.caller = caller;
    g_last.help_file = helpFile != nullptr ? helpFile : "";
    g_last.command = command;
    g_last.topic = data != 0 ? reinterpret_cast<const char*>(data) : "";
    return nullptr;
}

// Read back by the tests through dlsym.
extern "C" __attribute__((visibility("default"))) int FakeHelpCallCount() {
    return g_last.count;
}
extern "C" __attribute__((visibility("default"))) void* FakeHelpCaller() {
    return g_last.caller;
}
extern "C" __attribute__((visibility("default"))) const char* FakeHelpFile() {
    return g_last.help_file.c_str();
}
extern "C" __attribute__((visibility("default"))) unsigned int FakeHelpCommand() {
    return g_last.command;
}
extern "C" __attribute__((visibility("default"))) const char* FakeHelpTopic() {
    return g_last.topic.c_str();
}
