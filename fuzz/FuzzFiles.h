// Helpers of the fuzz targets: one private folder per process (on a memory
// file system when there is one), files written into it whole.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

namespace fuzz {

// The folder, created on first use and kept for the process's life.
const std::string& WorkFolder();

// Writes `size` bytes to WorkFolder()/name and returns the path.
std::string WriteWorkFile(const std::string& name, const uint8_t* data, size_t size);

}  // namespace fuzz
