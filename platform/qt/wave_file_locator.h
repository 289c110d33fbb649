// Finds the wave files of the sound cues.
#pragma once

#include <map>
#include <string>

namespace quorbals {

// A bare wave name is looked for in the current folder first, then in the
// program's folder. Each name is looked up once; the answer, found or not,
// holds for the rest of the run.
class WaveFileLocator {
public:
    explicit WaveFileLocator(std::string exeDir);

    // The file's absolute path, or an empty text when neither folder has it.
    const std::string& Locate(const std::string& waveName);

private:
    std::string exe_dir_;
    std::map<std::string, std::string> known_;
};

}  // namespace quorbals
