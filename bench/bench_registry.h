// The benchmark groups, registered from main so their corpora are built
// once, after start-up.
#pragma once

namespace quorbals::bench {

void RegisterPathBenchmarks();
void RegisterRulesBenchmarks();

}  // namespace quorbals::bench
