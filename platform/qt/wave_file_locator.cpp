#include "platform/qt/wave_file_locator.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace quorbals {
namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string FindWave(const std::string& waveName, const std::string& exeDir) {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    if (!error && IsFile(here / waveName)) {
        // Absolute, so that a later change of the current folder cannot
        // change which file plays.
        return (here / waveName).native();
    }
    if (!exeDir.empty() && IsFile(std::filesystem::path(exeDir) / waveName)) {
        return (std::filesystem::path(exeDir) / waveName).native();
    }
    return {};
}

}  // namespace

WaveFileLocator::WaveFileLocator(std::string exeDir) : exe_dir_(std::move(exeDir)) {}

const std::string& WaveFileLocator::Locate(const std::string& waveName) {
    auto known = known_.find(waveName);
    if (known == known_.end()) {
        known = known_.emplace(waveName, FindWave(waveName, exe_dir_)).first;
    }
    return known->second;
}

}  // namespace quorbals
