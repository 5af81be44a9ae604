#include "routes/answer_templates.h"

#include "config/central_meridian.h"
#include "core/work_file_names.h"

namespace kartovex {

std::string ProvinceNumber(const ProvinceSetting& province, bool ats77ToNad27) {
  int n = province == Province::NS ? 2 : province == Province::PEI ? 3 : 1;
  return std::to_string(ats77ToNad27 ? n + 3 : n);
}

namespace {

// The answers VESPERAN takes for its datum, its input form and its record
// layout.
const char* Answer(VesperanDatum datum) { return datum == VesperanDatum::Ats77 ? "1" : "2"; }

const char* Answer(VesperanInput input) {
  switch (input) {
    case VesperanInput::Geographic: return "1";
    case VesperanInput::Grid: return "2";
    case VesperanInput::Utm: return "3";
  }
  return "";
}

const char* Answer(VesperanLayout layout) {
  switch (layout) {
    case VesperanLayout::Vesperan: return "1";
    case VesperanLayout::LumbrixNew:
    case VesperanLayout::Utm: return "2";
    case VesperanLayout::None: break;
  }
  return "";
}

// QUILLON27's answer for its input form.
const char* Answer(Quillon27Input input) {
  switch (input) {
    case Quillon27Input::Geographic: return "1";
    case Quillon27Input::Grid: return "2";
    case Quillon27Input::Utm: return "4";
  }
  return "";
}

}  // namespace

std::vector<std::string> VesperanAnswers(const FrontEndSettings& settings, VesperanDatum datum,
                                         VesperanInput input, const std::string& src,
                                         VesperanLayout layout) {
  std::vector<std::string> lines{
      "", Answer(datum), "N", "Y", ProvinceNumber(settings.province), Answer(input), "2", src};
  if (layout != VesperanLayout::None) lines.push_back(Answer(layout));
  lines.push_back("N");
  return lines;
}

std::vector<std::string> LumbrixAnswers(const std::string& grid, const std::string& src,
                                        const std::string& flags, const std::string& base) {
  std::vector<std::string> lines{"Q", "G", grid, "C", src};
  for (char flag : flags) lines.emplace_back(1, flag);
  for (const char* fixed : {"A", "B", "M", "X", "X"}) lines.emplace_back(fixed);
  lines.push_back(base + workfiles::kLumbrixListing);
  lines.push_back(base + workfiles::kLumbrixNew);
  lines.push_back(base + workfiles::kLumbrixMissed);
  lines.emplace_back("");
  lines.emplace_back("N");
  return lines;
}

namespace {

// The central meridian of a UTM zone as the answer files give it; 69.0 for
// zone 19 and for no zone at all.
std::string UtmZoneMeridian(const UtmZoneSetting& zone) {
  return zone == UtmZone::Zone20 ? "63.0" : zone == UtmZone::Zone21 ? "57.0" : "69.0";
}

}  // namespace

std::vector<std::string> Quillon27Answers(const FrontEndSettings& settings,
                                          MessageService& messages, Quillon27Input input,
                                          Meridian meridian) {
  std::vector<std::string> lines{ProvinceNumber(settings.province), Answer(input)};
  const ProvinceSetting& p = settings.province;
  // Routes that read or write X,Y: QUILLON27 must work in the zone the X,Y
  // are labelled with.
  const bool utm = meridian == Meridian::Quillon27Xy || meridian == Meridian::Quillon27Ne;
  if (p == Province::NB || p == Province::NS) {
    std::string value;
    switch (meridian) {
      case Meridian::EnLl:
        value = p == Province::NB ? "69.0" : CentralMeridian(settings, messages, "quillon27 NE");
        break;
      case Meridian::Quillon27Xy:
        value = CentralMeridian(settings, messages, "quillon27 XY");
        break;
      case Meridian::Quillon27Ne:
        value = CentralMeridian(settings, messages, "quillon27 NE");
        break;
      case Meridian::None: value = CentralMeridian(settings, messages, ""); break;
    }
    lines.push_back(value);
    if (p == Province::NS && meridian == Meridian::Quillon27Ne) {
      // Nova Scotia grid input needs the MTM meridian; the meridian of the
      // X,Y's own UTM zone follows as a change of meridian.
      lines.emplace_back("Y");
      lines.push_back(CentralMeridian(settings, messages, "quillon27 XY"));
    } else {
      lines.emplace_back("N");
    }
  } else if (p == Province::PEI && utm) {
    lines.push_back(UtmZoneMeridian(settings.utmZone));
    lines.emplace_back("N");
  }
  lines.emplace_back("Y");
  lines.push_back(settings.workDir + workfiles::kProgramInput);
  lines.emplace_back("Y");
  return lines;
}

namespace {

std::string Orvandel27Form(CoordForm from) {
  return from == CoordForm::LL ? "1" : from == CoordForm::XY ? "4" : "2";
}

}  // namespace

std::vector<std::string> Orvandel27Answers(const FrontEndSettings& settings,
                                           MessageService& messages, CoordForm from, bool fixed) {
  const ProvinceSetting& p = settings.province;
  const bool xy = from == CoordForm::XY;
  std::vector<std::string> lines{ProvinceNumber(p), Orvandel27Form(from)};
  if (!fixed) {
    if (xy) lines.push_back(CentralMeridian(settings, messages, "transform"));
    if (p == Province::NS) lines.push_back(SettingText(settings.mtmZone));
  } else if (p == Province::NS) {
    if (xy) {
      lines.push_back(UtmZoneMeridian(settings.utmZone));
    }
    lines.push_back(SettingText(settings.mtmZone));
  } else if (p == Province::PEI && xy) {
    // ORVANDEL asks for the central meridian of every UTM input; without
    // this line the rest of the answers would shift by one.
    lines.push_back(UtmZoneMeridian(settings.utmZone));
  } else if (xy) {
    lines.emplace_back(settings.utmZone == UtmZone::Zone20 ? "63.0" : "69.0");
  }
  lines.push_back("Kartovex NAD27 -> ATS77" + SettingText(p) + " ");
  lines.emplace_back("Y");
  lines.emplace_back("F");
  lines.emplace_back(workfiles::kProgramInput);
  if (from == CoordForm::LL) lines.emplace_back("1");
  lines.emplace_back(" ");
  return lines;
}

std::vector<std::string> Orvandel77Answers(const FrontEndSettings& settings, CoordForm form,
                                           const std::string& title, const std::string& data) {
  const ProvinceSetting& p = settings.province;
  std::vector<std::string> lines{ProvinceNumber(p, true), form == CoordForm::LL   ? "1"
                                                          : form == CoordForm::XY ? "4"
                                                                                  : "3"};
  if (p == Province::NS) lines.push_back(SettingText(settings.mtmZone));
  lines.push_back(title + SettingText(p) + " ");
  lines.emplace_back("Y");
  lines.emplace_back("F");
  lines.push_back(data);
  if (form == CoordForm::LL) lines.emplace_back("1");
  lines.emplace_back(" ");
  return lines;
}

}  // namespace kartovex
