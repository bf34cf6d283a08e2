// Writes the generated class hierarchies of the ClassMate benchmark: every
// class with a description, its Derived From list, a class variable section,
// an instance variable and one function, about 330 bytes per class.
#include "ClassOutline.h"

#include <cstdio>

namespace bench {

std::string ClassName(int chain, int index) {
  return "fc" + std::to_string(chain) + "_" + std::to_string(index);
}

bool WriteClassOutline(const std::string& path, const ClassOutlineShape& shape) {
  if (shape.depth < 1 || shape.classes < shape.depth || shape.classes % shape.depth != 0) return false;
  const int chains = shape.classes / shape.depth;
  if (shape.bases < 1 || shape.bases > chains) return false;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::string out =
      ".head 0 +  Application Description: generated class hierarchies\r\n"
      ".head 1 -  Outline Version - 4.0.28\r\n"
      ".head 1 +  Global Declarations\r\n"
      ".head 2 +  Variables\r\n"
      ".head 3 -  Number: nGlobal\r\n"
      ".head 2 +  Class Definitions\r\n";
  bool ok = true;
  for (int c = 0; c < chains && ok; ++c) {
    for (int k = 0; k < shape.depth; ++k) {
      const std::string id = std::to_string(c) + "_" + std::to_string(k);
      out += ".head 3 +  Functional Class: fc" + id + "\r\n"
             ".head 4 -  Description: generated class " + id + "\r\n";
      if (k == 0) {
        out += ".head 4 -  Derived From\r\n";
      } else {
        out += ".head 4 +  Derived From\r\n"
               ".head 5 -  Class: " + ClassName(c, k - 1) + "\r\n";
        for (int b = 1; b < shape.bases; ++b) out += ".head 5 -  Class: " + ClassName((c + b) % chains, 0) + "\r\n";
      }
      out += ".head 4 -  Class Variables\r\n"
             ".head 4 +  Instance Variables\r\n"
             ".head 5 -  Number: nValue" + id + "\r\n"
             ".head 4 +  Functions\r\n"
             ".head 5 +  Function: GetValue\r\n"
             ".head 6 +  Actions\r\n"
             ".head 7 -  Return nValue" + id + "\r\n";
    }
    if (out.size() > (1 << 20)) {
      ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
      out.clear();
    }
  }
  ok = ok && std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace bench
