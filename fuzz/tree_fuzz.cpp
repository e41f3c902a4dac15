// Reads arbitrary bytes as a TBinTree file. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/treeclss.h"
#include "fuzz/fuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz_support::checkFileRoundTrip<TBinTree>(data, size, [](TBinTree& a) {
    (void)a.depth();
    (void)a.count();
    (void)a.balanced();
    a.swap();
    a.swap();
    TChar key('A');
    (void)a.lookUp(key);
  });
}
