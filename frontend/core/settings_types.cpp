#include "core/settings_types.h"

#include <array>
#include <utility>

namespace kartovex {

namespace {

template <class E, std::size_t N>
using TextTable = std::array<std::pair<E, const char*>, N>;

constexpr TextTable<Province, 3> kProvinces{
    {{Province::NB, "NB"}, {Province::NS, "NS"}, {Province::PEI, "PEI"}}};
constexpr TextTable<Language, 2> kLanguages{
    {{Language::English, "ENGLISH"}, {Language::French, "FRENCH"}}};
constexpr TextTable<MtmZone, 2> kMtmZones{{{MtmZone::Zone4, "4"}, {MtmZone::Zone5, "5"}}};
constexpr TextTable<UtmZone, 4> kUtmZones{{{UtmZone::None, ""},
                                           {UtmZone::Zone19, "19"},
                                           {UtmZone::Zone20, "20"},
                                           {UtmZone::Zone21, "21"}}};

template <class E, std::size_t N>
IniChoice<E> fromText(const TextTable<E, N>& table, const std::string& text) {
  for (const auto& [value, known] : table)
    if (text == known) return value;
  return IniChoice<E>::other(text);
}

template <class E, std::size_t N>
std::string toText(const TextTable<E, N>& table, const IniChoice<E>& choice) {
  for (const auto& [value, known] : table)
    if (choice == value) return known;
  return choice.otherText();
}

}  // namespace

ProvinceSetting ProvinceFromText(const std::string& text) { return fromText(kProvinces, text); }
LanguageSetting LanguageFromText(const std::string& text) { return fromText(kLanguages, text); }
MtmZoneSetting MtmZoneFromText(const std::string& text) { return fromText(kMtmZones, text); }
UtmZoneSetting UtmZoneFromText(const std::string& text) { return fromText(kUtmZones, text); }

std::string SettingText(const ProvinceSetting& province) { return toText(kProvinces, province); }
std::string SettingText(const LanguageSetting& language) { return toText(kLanguages, language); }
std::string SettingText(const MtmZoneSetting& zone) { return toText(kMtmZones, zone); }
std::string SettingText(const UtmZoneSetting& zone) { return toText(kUtmZones, zone); }

}  // namespace kartovex
