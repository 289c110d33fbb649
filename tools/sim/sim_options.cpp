#include "tools/sim/sim_options.h"

namespace quorbals::sim {

const char kSimUsage[] =
    "usage: quorbals-sim [--seed S] [--games N] [--trace] [--check]\n"
    "  --seed S   random state before the first game, 0..4294967295 (default 1)\n"
    "  --games N  games to play one after another, 1..1000000 (default 1)\n"
    "  --trace    print every game start and move as one JSON object per line\n"
    "  --check    verify the Desk, FreeCellList and FreeCount after every turn\n";

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
