// Sorted insertion and search in lists, and list streams, at the sizes the program and
// its library users meet.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "containers/listClss.h"

namespace {

// A fixed pseudo-random sequence, so that every run measures the same work.
std::vector<std::int32_t> values(std::size_t n) {
  std::vector<std::int32_t> v(n);
  std::uint32_t x = 12345;
  for (auto& e : v) {
    x = x * 1664525u + 1013904223u;
    e = static_cast<std::int32_t>(x >> 1);
  }
  return v;
}

void BM_InsertSorted(benchmark::State& state) {
  const auto input = values(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    TSortListe list;
    for (auto v : input) list.insertSorted(std::make_unique<TInteger>(v));
    benchmark::DoNotOptimize(list.count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_InsertSorted)->Arg(16)->Arg(256)->Arg(4096)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A list filled to its limit of 65535 elements by appending.
void BM_Append(benchmark::State& state) {
  const auto input = values(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    TListe list;
    for (auto v : input) list.append(std::make_unique<TInteger>(v));
    benchmark::DoNotOptimize(list.count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Append)->Arg(65535)->Unit(benchmark::kMillisecond);

// Saving and loading a full list of 65535 TInteger elements.
void BM_SaveIntegers(benchmark::State& state) {
  TListe list;
  for (auto v : values(65535)) list.append(std::make_unique<TInteger>(v));
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    out.clear();
    TWriter writer(out);
    list.save(writer);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
}
BENCHMARK(BM_SaveIntegers)->Unit(benchmark::kMillisecond);

void BM_LoadIntegers(benchmark::State& state) {
  TListe list;
  for (auto v : values(65535)) list.append(std::make_unique<TInteger>(v));
  std::vector<std::uint8_t> bytes;
  {
    TWriter writer(bytes);
    list.save(writer);
  }
  for (auto _ : state) {
    TListe loaded;
    TReader reader(bytes);
    loaded.load(reader);
    benchmark::DoNotOptimize(loaded.count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadIntegers)->Unit(benchmark::kMillisecond);

void BM_LookUp(benchmark::State& state) {
  const auto input = values(static_cast<std::size_t>(state.range(0)));
  TSortListe list;
  for (auto v : input) list.insertSorted(std::make_unique<TInteger>(v));
  std::size_t i = 0;
  for (auto _ : state) {
    TInteger key(input[i++ % input.size()]);
    benchmark::DoNotOptimize(list.lookUp(key));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookUp)->Arg(16)->Arg(256)->Arg(4096);

void fill(TListe& list, std::size_t n) {
  for (auto v : values(n)) {
    list.append(std::make_unique<TInteger>(v));
    list.append(std::make_unique<TExtended>(v / 3.0L, 0.0L));
  }
}

void BM_Save(benchmark::State& state) {
  TListe list;
  fill(list, static_cast<std::size_t>(state.range(0)) / 2);
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    out.clear();
    TWriter writer(out);
    list.save(writer);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Save)->Arg(1000)->Arg(65000);

void BM_Load(benchmark::State& state) {
  TListe list;
  fill(list, static_cast<std::size_t>(state.range(0)) / 2);
  std::vector<std::uint8_t> bytes;
  {
    TWriter writer(bytes);
    list.save(writer);
  }
  TListe loaded;
  for (auto _ : state) {
    TReader reader(bytes);
    loaded.load(reader);
    benchmark::DoNotOptimize(loaded.count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Load)->Arg(1000)->Arg(65000);

}  // namespace
