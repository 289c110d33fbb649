#include "storage/data_locations.h"

#include "platform/app_data_folder.h"
#include "platform/exe_dir.h"

namespace quorbals {

DataPaths LocateDataPaths() {
    return MakeDataPaths(ExeDir(), AppDataFolder());
}

}  // namespace quorbals
