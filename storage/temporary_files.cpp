#include "storage/temporary_files.h"

#include <charconv>

namespace quorbals {

namespace {

constexpr std::string_view kPrefix = ".quorbals-unfinished-";
constexpr std::string_view kSuffix = ".tmp";

bool IsDecimal(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string TemporaryFileName(unsigned long processId, unsigned long serial) {
    return std::string(kPrefix) + std::to_string(processId) + "-" + std::to_string(serial) +
           std::string(kSuffix);
}

std::string TemporaryFilePattern() {
    return std::string(kPrefix) + "*" + std::string(kSuffix);
}

std::optional<unsigned long> TemporaryFileOwner(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || !IsDecimal(name.substr(0, dash)) ||
        !IsDecimal(name.substr(dash + 1))) {
        return std::nullopt;
    }
    unsigned long owner = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + dash, owner);
    if (ec != std::errc() || end != name.data() + dash) {
        return std::nullopt;
    }
    return owner;
}

}  // namespace quorbals
