#pragma once
// Province, language and zones of the settings as types. The configuration
// file may hold any text for them; a text that is none of the known ones is
// kept as it is (the Other value), so it shows and writes back unchanged.

#include <string>
#include <utility>

namespace kartovex {

enum class Province { NB, NS, PEI, Other };
enum class Language { English, French, Other };
enum class MtmZone { Zone4, Zone5, Other };
// None: a UTM text-file run empties the zone and the writers fill it from
// the points.
enum class UtmZone { None, Zone19, Zone20, Zone21, Other };

// One setting: a known value, or Other with the text it was read from.
template <class E>
class IniChoice {
 public:
  // Implicit, so that a known value is assigned and passed as it is.
  constexpr IniChoice(E value) : value_(value) {}
  static IniChoice other(std::string text) {
    IniChoice c(E::Other);
    c.text_ = std::move(text);
    return c;
  }

  E value() const { return value_; }
  // The text of an Other value; empty for the known ones.
  const std::string& otherText() const { return text_; }

  bool operator==(const IniChoice&) const = default;
  friend bool operator==(const IniChoice& c, E e) { return c.value_ == e; }

 private:
  E value_;
  std::string text_;
};

using ProvinceSetting = IniChoice<Province>;
using LanguageSetting = IniChoice<Language>;
using MtmZoneSetting = IniChoice<MtmZone>;
using UtmZoneSetting = IniChoice<UtmZone>;

// Text -> value, exactly as written ("NS", "FRENCH", "5", "20"); any other
// text gives Other with that text. An empty UTM zone is None.
ProvinceSetting ProvinceFromText(const std::string& text);
LanguageSetting LanguageFromText(const std::string& text);
MtmZoneSetting MtmZoneFromText(const std::string& text);
UtmZoneSetting UtmZoneFromText(const std::string& text);

// Value -> the same text: "NB", "NS", "PEI"; "ENGLISH", "FRENCH"; "4", "5";
// "19", "20", "21" and "" for None; Other gives its own text. This is the
// text of the configuration file and of every label, message and answer
// line that shows the setting.
std::string SettingText(const ProvinceSetting& province);
std::string SettingText(const LanguageSetting& language);
std::string SettingText(const MtmZoneSetting& zone);
std::string SettingText(const UtmZoneSetting& zone);

}  // namespace kartovex
