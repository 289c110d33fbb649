// A loadable library without the help entry.
extern "C" __attribute__((visibility("default"))) int NotTheHelpEntry() {
    return 0;
}
