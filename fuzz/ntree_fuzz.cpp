// Reads arbitrary bytes as a TNtree file. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/ntreeclss.h"
#include "fuzz/fuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz_support::checkFileRoundTrip<TNtree>(data, size, [](TNtree& a) {
    (void)a.depth();
    (void)a.count();
    TChar key('A');
    (void)a.lookUp(key);
  });
}
