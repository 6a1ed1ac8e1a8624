#pragma once

#include "input/composition_table.h"

// The biplot samples' data (2D and 3D): 150 five-part compositions (Ca, Mg, Na, K, Cl) in
// three groups of 50, closed, the same at every run.
CompositionTable biplot_table();
