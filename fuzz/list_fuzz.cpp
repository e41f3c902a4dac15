// Reads arbitrary bytes as a list stream. Whatever loads must save and load again to the
// very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/listClss.h"
#include "fuzz/fuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::installHandlers();
  TListe list;
  TReader reader(data, size);
  try {
    list.load(reader);
  } catch (const EReadError&) {
  } catch (const EClassNotFound&) {
  }
  list.setPosition(list.count() / 2);
  const std::uint16_t position = list.position();

  std::vector<std::uint8_t> first;
  {
    TWriter writer(first);
    list.save(writer);
  }
  if (list.position() != position) std::abort();
  TSortListe again;
  TReader reader2(first);
  again.load(reader2);  // must not throw: it is our own output
  if (!reader2.EndOfStream() || again.count() != list.count()) std::abort();
  std::vector<std::uint8_t> second;
  {
    TWriter writer(second);
    again.save(writer);
  }
  if (first != second) std::abort();
  auto copied = list.copy();
  (void)list.compare(*copied);
  (void)list.sameElements(again);
  return 0;
}
