// The process ids in the names of temporary files: the running program's
// own, and whether the program that made a file still runs.
#pragma once

namespace quorbals {

unsigned long OwnProcessId();

// True only when no process of that id runs any more; a process that runs
// but is not the caller's to signal is still running.
bool ProcessIsGone(unsigned long processId);

}  // namespace quorbals
