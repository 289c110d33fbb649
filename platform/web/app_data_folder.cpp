#include "platform/app_data_folder.h"

#include "platform/web/web_storage.h"

namespace quorbals {

// The page's persistent storage stands for the per-user data folder.
std::string AppDataFolder() {
    return kWebStorageFolder;
}

}  // namespace quorbals
