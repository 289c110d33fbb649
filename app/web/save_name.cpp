#include "app/web/save_name.h"

#include "storage/game_file_dialog_texts.h"

namespace quorbals {

std::string SaveFileName(const std::string& typed) {
    std::string name = typed;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    // A dot that starts the name or ends it makes no extension.
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) {
        if (!name.empty() && name.back() == '.') {
            name.pop_back();
        }
        if (name.empty()) {
            return {};
        }
        name += '.';
        name += kGameFileSuffix;
    }
    return name;
}

}  // namespace quorbals
