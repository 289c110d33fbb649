// A manual look at the high-score dialog: a few rows and the name box for a
// new third entry. Prints the name when the dialog closes.
//   cmake --build build-win --target hiscores_dialog_show
#include <cstdio>

#include "storage/high_score_commands.h"
#include "storage/win32/hiscores_dialog.h"

int main() {
    using namespace quorbals;
    ScoreTable table;
    const char* names[] = {"Alice", "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2", "New Player",
                           "Bob", "\xB8\xE6\xE8\xEA"};
    const int scores[] = {1234, 880, 640, 200, 42};
    for (int i = 0; i < 5; ++i) {
        table.entries[static_cast<std::size_t>(i)].score = scores[i];
        table.entries[static_cast<std::size_t>(i)].SetName(names[i]);
    }
    table.count = 5;
    TF_Hiscores dialog(nullptr, nullptr, table);
    const BoxPosition box = NameBoxPosition(2);
    dialog.ShowNameBox(box.left, box.top, "New Player");
    std::printf("%s\n", dialog.RunModal().c_str());
    return 0;
}
