// Reads arbitrary bytes as a TBinTree file. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/treeclss.h"
#include "fuzz/fuzzSupport.h"

namespace {
std::vector<std::uint8_t> savedBytes(TBinTree& container) {
  std::vector<std::uint8_t> out;
  TWriter writer(out);
  container.saveTo(writer);
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::installHandlers();
  TBinTree a;
  TReader reader(data, size);
  try {
    a.loadFrom(reader);
  } catch (const EReadError&) {
  } catch (const EClassNotFound&) {
  }
  (void)a.depth();
  (void)a.count();
  (void)a.balanced();
  a.swap();
  a.swap();
  TChar key('A');
  (void)a.lookUp(key);
  const std::vector<std::uint8_t> first = savedBytes(a);
  TBinTree b;
  TReader reader2(first);
  b.loadFrom(reader2);  // our own output must load
  if (!reader2.EndOfStream()) std::abort();
  if (savedBytes(b) != first) std::abort();
  auto copied = a.copy();
  if (savedBytes(static_cast<TBinTree&>(*copied)) != first) std::abort();
  return 0;
}
