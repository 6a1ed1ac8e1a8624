#pragma once

#include "core/exchange/byte_source.h"

namespace plot {

// Whether the whole source is valid UTF-8, checked chunk by chunk. An exchange file that is not
// is Windows-1252, the host's own code page.
bool source_is_utf8(ByteSource& source);

}  // namespace plot
