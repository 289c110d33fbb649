#include "tools/sim/sim_options.h"

namespace quorbals::sim {

const char kSimUsage[] =
    "usage: quorbals-sim [--seed S] [--games N] [--trace] [--check]\n"
    "                    [--load FILE] [--save-after T FILE]\n"
    "  --seed S            random state before the first game, 0..4294967295 (default 1)\n"
    "  --games N           games to play one after another, 1..1000000 (default 1)\n"
    "  --trace             print every game start and move as one JSON object per line\n"
    "  --check             verify the Desk, FreeCellList and FreeCount after every turn\n"
    "  --load FILE         play game 0 from a saved game instead of dealing it (a game\n"
    "                      where no ball can move ends at once as stuck); the random\n"
    "                      state is still the seed; the games after it are dealt\n"
    "  --save-after T FILE write game 0 as a saved game after its move T (1..1000000),\n"
    "                      the full Desk when that move ends it, then play on\n"
    "exit status: 0 done, 1 a check failed, 2 bad arguments, 3 a saved game could not\n"
    "be read or written, 4 path count error, 5 game 0 ended before move T (nothing saved)\n";

namespace {

// A file name given on the command line. A leading '-' is most likely a
// forgotten value followed by the next option; "./-name" still works.
std::string CheckFileName(std::string_view option, std::string_view name) {
    if (name.empty()) {
        return std::string(option) + " needs a file name, not an empty one";
    }
    if (name.front() == '-') {
        return std::string(option) + " takes a file name, not \"" + std::string(name) +
               "\" (write ./" + std::string(name) + " for a file of that name)";
    }
    return {};
}

}  // namespace

bool ParseDecimal(std::string_view text, std::uint64_t max, std::uint64_t& value) {
    if (text.empty() || text.size() > 20) {
        return false;
    }
    std::uint64_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (v > (max - digit) / 10) {
            return false;
        }
        v = v * 10 + digit;
    }
    value = v;
    return true;
}

std::string ParseSimOptions(const std::vector<std::string_view>& args, SimOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        // "--name value" and "--name=value" are both accepted.
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasInlineValue = true;
        }
        auto takeValue = [&](std::string_view& value) {
            if (hasInlineValue) {
                value = inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                return false;
            }
            value = args[++i];
            return true;
        };

        if (arg == "--seed" || arg == "--games") {
            std::string_view value;
            if (!takeValue(value)) {
                return std::string(arg) + " needs a value";
            }
            std::uint64_t number = 0;
            if (arg == "--seed") {
                if (!ParseDecimal(value, 4294967295u, number)) {
                    return "--seed takes a decimal number from 0 to 4294967295, not \"" +
                           std::string(value) + "\"";
                }
                options.seed = static_cast<std::uint32_t>(number);
            } else {
                if (!ParseDecimal(value, kMaxGames, number) || number < 1) {
                    return "--games takes a decimal number from 1 to 1000000, not \"" +
                           std::string(value) + "\"";
                }
                options.games = static_cast<std::int64_t>(number);
            }
        } else if (arg == "--load") {
            std::string_view file;
            if (!takeValue(file)) {
                return "--load needs a file name";
            }
            if (std::string fault = CheckFileName(arg, file); !fault.empty()) {
                return fault;
            }
            options.loadFile = std::string(file);
        } else if (arg == "--save-after") {
            // Two values: "--save-after T FILE" or "--save-after=T FILE".
            std::string_view moveText;
            if (!takeValue(moveText)) {
                return "--save-after needs a move number and a file name";
            }
            std::uint64_t number = 0;
            if (!ParseDecimal(moveText, kMaxSaveMove, number) || number < 1) {
                return "--save-after takes a move number from 1 to 1000000, not \"" +
                       std::string(moveText) + "\"";
            }
            if (i + 1 >= args.size()) {
                return "--save-after needs a file name after the move number";
            }
            const std::string_view file = args[++i];
            if (std::string fault = CheckFileName(arg, file); !fault.empty()) {
                return fault;
            }
            options.saveAfter = static_cast<std::int64_t>(number);
            options.saveFile = std::string(file);
        } else if ((arg == "--trace" || arg == "--check" || arg == "--help") && !hasInlineValue) {
            if (arg == "--trace") {
                options.trace = true;
            } else if (arg == "--check") {
                options.check = true;
            } else {
                options.help = true;
            }
        } else {
            return "unknown argument \"" + std::string(args[i]) + "\"";
        }
    }
    return {};
}

}  // namespace quorbals::sim
