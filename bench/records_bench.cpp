// Fixed-column fields one call at a time: Fw.d and Iw output, Fw.d and Iw
// input, and whole TEMP5.DAT records both ways, in ns per call.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "records/field_input.h"
#include "records/field_writer.h"
#include "transform/transformed_record.h"

namespace {

constexpr std::size_t kValues = 4096;  // a power of two: the index wraps with a mask

std::vector<double> values(double low, double high) {
  std::mt19937_64 random(14);
  std::uniform_real_distribution<double> d(low, high);
  std::vector<double> v(kValues);
  for (double& x : v) x = d(random);
  return v;
}

// F12.3 of grid coordinates (positive in the provinces), the commonest
// field of the output tables.
void BM_PutFixed_12_3(benchmark::State& state) {
  const auto v = values(2e5, 6e6);
  char out[16];
  std::size_t i = 0;
  for (auto _ : state) {
    records::putFixed(out, v[i++ & (kValues - 1)], 12, 3);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_PutFixed_12_3);

// F8.5 of seconds of arc.
void BM_PutFixed_8_5(benchmark::State& state) {
  const auto v = values(0.0, 60.0);
  char out[16];
  std::size_t i = 0;
  for (auto _ : state) {
    records::putFixed(out, v[i++ & (kValues - 1)], 8, 5);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_PutFixed_8_5);

// Width and decimals only known at run time, either sign.
void BM_PutFixed_Runtime(benchmark::State& state) {
  const auto v = values(-1e4, 1e4);
  std::vector<int> decimals(kValues);
  std::mt19937 random(5);
  for (int& d : decimals) d = 1 + static_cast<int>(random() % 6);
  char out[32];
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++ & (kValues - 1);
    const int d = decimals[k];
    benchmark::DoNotOptimize(d);
    records::putFixed(out, v[k], 7 + d, d);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_PutFixed_Runtime);

void BM_PutInt_8(benchmark::State& state) {
  std::vector<long long> v(kValues);
  std::mt19937 random(3);
  for (long long& x : v) x = static_cast<long long>(random() % 1000000);
  char out[16];
  std::size_t i = 0;
  for (auto _ : state) {
    records::putInt(out, v[i++ & (kValues - 1)], 8);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_PutInt_8);

std::vector<std::string> formatted(const std::vector<double>& v, int width, int decimals) {
  std::vector<std::string> lines;
  for (double x : v) lines.push_back("   " + records::formatFixed(x, width, decimals));
  return lines;
}

void BM_RealInput_12_3(benchmark::State& state) {
  const auto lines = formatted(values(2e5, 6e6), 12, 3);
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(records::realInput(lines[i++ & (kValues - 1)], 4, 15, 3));
}
BENCHMARK(BM_RealInput_12_3);

void BM_RealInput_8_5(benchmark::State& state) {
  const auto lines = formatted(values(0.0, 60.0), 8, 5);
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(records::realInput(lines[i++ & (kValues - 1)], 4, 11, 5));
}
BENCHMARK(BM_RealInput_8_5);

void BM_SingleInput_8_5(benchmark::State& state) {
  const auto lines = formatted(values(0.0, 60.0), 8, 5);
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(records::singleInput(lines[i++ & (kValues - 1)], 4, 11, 5));
}
BENCHMARK(BM_SingleInput_8_5);

std::vector<orvandel::TransformedRecord> transformed() {
  const auto seconds = values(0.0, 60.0);
  std::vector<orvandel::TransformedRecord> v(kValues);
  for (std::size_t k = 0; k < kValues; ++k) {
    auto& r = v[k];
    r.name = "STN" + std::to_string(100000 + k);
    r.latDegrees = 45;
    r.latMinutes = static_cast<int>(k % 60);
    r.latSeconds = seconds[k];
    r.lonDegrees = 65;
    r.lonMinutes = static_cast<int>((k * 7) % 60);
    r.lonSeconds = seconds[(k * 13) & (kValues - 1)];
    r.sourceRecord = static_cast<long long>(k + 1);
  }
  return v;
}

// A whole TEMP5.DAT record: eight fields through the layout table.
void BM_WriteTransformedRecord(benchmark::State& state) {
  const auto v = transformed();
  records::LineBuilder line;
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(orvandel::formatTransformedRecord(line, v[i++ & (kValues - 1)]));
}
BENCHMARK(BM_WriteTransformedRecord);

void BM_ReadTransformedRecord(benchmark::State& state) {
  std::vector<std::string> lines;
  for (const auto& r : transformed()) lines.push_back(orvandel::formatTransformedRecord(r));
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(orvandel::parseTransformedRecord(lines[i++ & (kValues - 1)]));
}
BENCHMARK(BM_ReadTransformedRecord);

}  // namespace

BENCHMARK_MAIN();
