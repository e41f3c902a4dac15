// Reads arbitrary bytes as a TFifo file. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/fifoclss.h"
#include "fuzz/fuzzSupport.h"

namespace {
std::vector<std::uint8_t> savedBytes(TFifo& container) {
  std::vector<std::uint8_t> out;
  TWriter writer(out);
  container.saveTo(writer);
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::installHandlers();
  TFifo a;
  TReader reader(data, size);
  try {
    a.loadFrom(reader);
  } catch (const EReadError&) {
  } catch (const EClassNotFound&) {
  }
  (void)a.count();
  (void)a.front();
  const std::vector<std::uint8_t> first = savedBytes(a);
  TFifo b;
  TReader reader2(first);
  b.loadFrom(reader2);  // our own output must load
  if (!reader2.EndOfStream()) std::abort();
  if (savedBytes(b) != first) std::abort();
  auto copied = a.copy();
  if (savedBytes(static_cast<TFifo&>(*copied)) != first) std::abort();
  return 0;
}
