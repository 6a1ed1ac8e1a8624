#include "support/interface_fuzz.h"

TEST(PellinInterfaceFuzz, SeedsAndMutationsHoldEveryCheck) {
  plot::testing::expect_seeds_and_mutations_hold();
}
