// Reads arbitrary bytes as a TFifo file. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/fifoclss.h"
#include "fuzz/fuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz_support::checkFileRoundTrip<TFifo>(data, size, [](TFifo& a) {
    (void)a.count();
    (void)a.front();
  });
}
