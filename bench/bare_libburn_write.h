// A plain libburn write of an image file to a file pseudo-drive, set up the
// way libburn's own examples do it: the yardstick for the program's writer.
#pragma once

#include <string>

namespace pelimor::bench {

// Writes `image` to "stdio:<target>" as one mode-1 track through a 4 MiB
// fifo, with the write options the program uses. Returns the seconds from
// the start of the write until the drive is idle again; throws
// std::runtime_error when libburn fails.
double bareLibburnWrite(const std::string &image, const std::string &target);

} // namespace pelimor::bench
