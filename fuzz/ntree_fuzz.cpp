// Reads arbitrary bytes as a TNtree file. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/ntreeclss.h"
#include "fuzz/fuzzSupport.h"

namespace {
std::vector<std::uint8_t> savedBytes(TNtree& container) {
  std::vector<std::uint8_t> out;
  TWriter writer(out);
  container.saveTo(writer);
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::installHandlers();
  TNtree a;
  TReader reader(data, size);
  try {
    a.loadFrom(reader);
  } catch (const EReadError&) {
  } catch (const EClassNotFound&) {
  }
  (void)a.depth();
  (void)a.count();
  TChar key('A');
  (void)a.lookUp(key);
  const std::vector<std::uint8_t> first = savedBytes(a);
  TNtree b;
  TReader reader2(first);
  b.loadFrom(reader2);  // our own output must load
  if (!reader2.EndOfStream()) std::abort();
  if (savedBytes(b) != first) std::abort();
  auto copied = a.copy();
  if (savedBytes(static_cast<TNtree&>(*copied)) != first) std::abort();
  return 0;
}
