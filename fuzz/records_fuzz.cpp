// Fixed-column fields: the shared Iw/Fw.d reader, and the per-station fast
// path that must give the same values and the same errors.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "records/field_input.h"
#include "records/field_reader.h"

namespace {

template <typename T, typename Read>
bool attempt(Read&& read, T& value) {
  try {
    value = read();
    return true;
  } catch (const records::InputConversionError&) {
    return false;
  }
}

template <typename T>
bool same(T a, T b) {
  if constexpr (sizeof(T) == 8)
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  else if constexpr (std::is_floating_point_v<T>)
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
  else
    return a == b;
}

template <typename T, typename Shared, typename Fast>
void compare(Shared&& shared, Fast&& fast) {
  T a{}, b{};
  const bool okShared = attempt<T>(shared, a);
  const bool okFast = attempt<T>(fast, b);
  if (okShared != okFast || (okShared && !same(a, b))) std::abort();
}

void readField(const std::string& line, int first, int last, int decimals) {
  (void)records::readText(line, first, last);
  compare<int>([&] { return records::readInt(line, first, last); },
               [&] { return records::intInput(line, first, last); });
  compare<double>([&] { return records::readReal(line, first, last, decimals); },
                  [&] { return records::realInput(line, first, last, decimals); });
  compare<float>([&] { return records::readSingle(line, first, last, decimals); },
                 [&] { return records::singleInput(line, first, last, decimals); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  // Three bytes pick the field; the rest is the record.
  const int first = 1 + data[0] % 80;
  const int last = first + data[1] % 24;
  const int decimals = data[2] % 10;
  const std::string line = fuzz::asString(data + 3, size - 3);
  readField(line, first, last, decimals);
  // The fields of the common station layouts.
  static const int layouts[][3] = {{10, 22, 3}, {46, 54, 6}, {1, 80, 5}};
  for (const auto& f : layouts) readField(line, f[0], f[1], f[2]);
  return 0;
}
