// Moved to tests/support/temp_folder.h; kept only for the Windows file
// layer's test until its include names the new place.
#pragma once

#include "tests/support/temp_folder.h"
