// The run's data locations, from the program's folder and the per-user data
// folder of the platform.
#pragma once

#include "storage/data_paths.h"

namespace quorbals {

// ExeDir(), and the data folder under AppDataFolder() (made when missing), with the
// four file paths. Worked out once, while the main window is created.
DataPaths LocateDataPaths();

}  // namespace quorbals
