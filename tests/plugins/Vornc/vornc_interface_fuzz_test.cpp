#include "support/interface_fuzz.h"

TEST(VorncInterfaceFuzz, SeedsAndMutationsHoldEveryCheck) {
  plot::testing::expect_seeds_and_mutations_hold();
}
