// Generated applications for the ClassMate benchmark: functional classes in
// inheritance chains under one Class Definitions section, written in the
// .head text format.
#pragma once

#include <string>

namespace bench {

struct ClassOutlineShape {
  int classes = 10000;  // in chains of `depth`; must be a multiple of it
  int depth = 50;       // classes per chain: fcC_0 (no bases) <- fcC_1 <- ... <- fcC_{depth-1}
  int bases = 1;        // base classes per derived class: the one before it in its chain, then
                        // the roots fcX_0 of the next bases-1 chains (roots have no bases)
};

// The name of class `index` of chain `chain`: "fc7_49".
std::string ClassName(int chain, int index);

// Writes the application to `path`; false when it cannot be written or the
// shape is impossible (classes not a multiple of depth, too few chains for the bases).
bool WriteClassOutline(const std::string& path, const ClassOutlineShape& shape);

}  // namespace bench
