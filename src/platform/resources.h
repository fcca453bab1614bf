// The compiled-in images live in a static library; the linker keeps them
// only when something refers to them, which this does.
#pragma once

namespace pelimor {
void ensureResources();
}
