// The profile (INI) file: reading keys, and a write that replaces one key
// and must read back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::writeScratch("KARTOVEX.INI", data, size);
  static const char* const keys[][2] = {
      {"SETUP", "NB Central Meridian 5"}, {"PATH", "ROOT"}, {"EXTENTS", "NB NE_LAT"}};
  for (const auto& k : keys) (void)kartovex::GetPrivateProfileString(k[0], k[1], "-", path);
  (void)kartovex::GetPrivateProfileString("SETUP", "Province", "", path, 3);

  if (!kartovex::WritePrivateProfileString("SETUP", "Province", "PEI", path)) std::abort();
  if (kartovex::GetPrivateProfileString("SETUP", "Province", "", path) != "PEI") std::abort();
  return 0;
}
