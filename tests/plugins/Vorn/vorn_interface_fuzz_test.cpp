#include "support/interface_fuzz.h"

TEST(VornInterfaceFuzz, SeedsAndMutationsHoldEveryCheck) {
  plot::testing::expect_seeds_and_mutations_hold();
}
