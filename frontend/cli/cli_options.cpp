#include "cli/cli_options.h"

namespace kartovex::cli {

namespace {

// The choice whose text (DatumText, FormText) is text.
bool parseDatum(const std::string& text, Datum& datum) {
  for (Datum d : {Datum::ATS77, Datum::NAD27, Datum::NAD83, Datum::NAD83_1989}) {
    if (text != DatumText(d)) continue;
    datum = d;
    return true;
  }
  return false;
}

bool parseForm(const std::string& text, CoordForm& form) {
  for (CoordForm f : {CoordForm::EN, CoordForm::LL, CoordForm::XY}) {
    if (text != FormText(f)) continue;
    form = f;
    return true;
  }
  return false;
}

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

bool ParseDatumForm(const std::string& text, Datum& datum, CoordForm& form) {
  std::string t = upper(text);
  auto colon = t.find(':');
  if (colon == std::string::npos) return false;
  return parseDatum(t.substr(0, colon), datum) && parseForm(t.substr(colon + 1), form);
}

ParseResult ParseCliArguments(const std::vector<std::string>& args) {
  CliOptions o;
  // Usage errors are in the language asked for, wherever --french stands.
  bool french = false;
  for (const std::string& a : args) french = french || a == "--french";
  auto tr = [french](std::string english, std::string frenchText) {
    return french ? frenchText : english;
  };
  auto fail = [french](std::string message) {
    return ParseResult{std::nullopt, std::move(message), french};
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    auto fromTo = [&](const std::string& name, const std::string& text) -> std::string {
      Datum d;
      CoordForm f;
      if (!ParseDatumForm(text, d, f))
        return tr(
            "invalid " + name + " value '" + text + "' (DATUM:FORM, see --help)",
            "valeur de " + name + " non conforme : '" + text + "' (DATUM:FORME, voir --help)");
      if (name == "--from") {
        if (d == Datum::NAD83_1989)
          return tr("NAD83_1989 is a target datum only",
                    "NAD83_1989 ne peut être que le datum d'arrivée");
        o.fromDatum = d;
        o.fromForm = f;
      } else {
        o.toDatum = d;
        o.toForm = f;
      }
      return {};
    };
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--quiet" || a == "-q") {
      o.quiet = true;
    } else if (a == "--list-routes") {
      o.listRoutes = true;
      // FROM and TO may follow; otherwise --from and --to give them.
      if (i + 2 < args.size() && args[i + 1].rfind("-", 0) != 0) {
        std::string error = fromTo("--from", args[i + 1]);
        if (error.empty()) error = fromTo("--to", args[i + 2]);
        if (!error.empty()) return fail(error);
        i += 2;
      } else if (i + 1 < args.size() && args[i + 1].rfind("-", 0) != 0) {
        return fail(tr("--list-routes needs FROM and TO (DATUM:FORM DATUM:FORM)",
                       "--list-routes demande DE et VERS (DATUM:FORME DATUM:FORME)"));
      }
    } else if (a == "--init") {
      if (!value(o.init) || o.init.empty())
        return fail(tr("--init needs a directory", "--init demande un répertoire"));
    } else if (a == "--from" || a == "--to") {
      if (!value(v)) return fail(tr(a + " needs DATUM:FORM", a + " demande DATUM:FORME"));
      std::string error = fromTo(a, v);
      if (!error.empty()) return fail(error);
    } else if (a == "--input") {
      if (!value(o.input) || o.input.empty())
        return fail(tr("--input needs a file", "--input demande un fichier"));
    } else if (a == "--report") {
      if (!value(o.report) || o.report.empty())
        return fail(tr("--report needs a file", "--report demande un fichier"));
    } else if (a == "--data") {
      o.data = true;
    } else if (a == "--accuracy") {
      o.accuracy = true;
    } else if (a == "--province") {
      if (!value(v))
        return fail(tr("--province needs NB, NS or PEI", "--province demande NB, NS ou PEI"));
      v = upper(v);
      const ProvinceSetting province = ProvinceFromText(v);
      if (province == Province::Other)
        return fail(tr("invalid --province '" + v + "' (NB, NS or PEI)",
                       "--province non conforme : '" + v + "' (NB, NS ou PEI)"));
      o.province = province.value();
    } else if (a == "--mtm-zone") {
      const bool given = value(v);
      const MtmZoneSetting zone = MtmZoneFromText(v);
      if (!given || zone == MtmZone::Other)
        return fail(tr("--mtm-zone needs 4 or 5", "--mtm-zone demande 4 ou 5"));
      o.mtmZone = zone.value();
    } else if (a == "--utm-zone") {
      const bool given = value(v);
      const UtmZoneSetting zone = UtmZoneFromText(v);
      if (!given || zone == UtmZone::Other || zone == UtmZone::None)
        return fail(tr("--utm-zone needs 19, 20 or 21", "--utm-zone demande 19, 20 ou 21"));
      o.utmZone = zone.value();
    } else if (a == "--ini") {
      if (!value(o.ini) || o.ini.empty())
        return fail(tr("--ini needs a file", "--ini demande un fichier"));
    } else if (a == "--french") {
      o.french = true;
    } else if (a == "--yes") {
      o.yes = true;
    } else {
      return fail(tr("unknown argument '" + a + "' (see --help)",
                     "argument inconnu '" + a + "' (voir --help)"));
    }
  }
  if (o.help || o.version || !o.init.empty()) return {o, {}, french};
  if (o.listRoutes) {
    if (o.fromDatum == Datum::None || o.toDatum == Datum::None)
      return fail(tr("--list-routes needs FROM and TO, or --from and --to",
                     "--list-routes demande DE et VERS, ou --from et --to"));
    return {o, {}, french};
  }
  if (o.fromDatum == Datum::None) return fail(tr("--from is required", "--from est obligatoire"));
  if (o.toDatum == Datum::None) return fail(tr("--to is required", "--to est obligatoire"));
  if (o.input.empty()) return fail(tr("--input is required", "--input est obligatoire"));
  if (o.accuracy && o.report.empty())
    return fail(tr("--accuracy needs --report (the .ACC file is named after the report)",
                   "--accuracy demande --report (le fichier .ACC porte le nom du rapport)"));
  return {o, {}, french};
}

std::string HelpText(const std::string& programName) {
  const std::string p = programName.empty() ? "kartovex-cli" : programName;
  return "Usage: " + p +
         " --from DATUM:FORM --to DATUM:FORM --input FILE [--report FILE.REP] [--data]\n"
         "       [--accuracy] [--province NB|NS|PEI] [--mtm-zone 4|5] [--utm-zone 19|20|21]\n"
         "       [--ini FILE] [--french] [--yes] [--quiet]\n"
         "       " +
         p +
         " --list-routes FROM TO\n"
         "       " +
         p +
         " --init DIR\n"
         "       " +
         p +
         " --help | --version\n"
         "\n"
         "Converts the points of a text file as PROCESS of the Kartovex main window does,\n"
         "with the same configuration (KARTOVEX.INI beside the program, otherwise in\n"
         "$XDG_CONFIG_HOME/kartovex/ or ~/.config/kartovex/).\n"
         "\n"
         "  DATUM  ATS77, NAD27, NAD83CSRS, or NAD83_1989 (--to only)\n"
         "  FORM   EN (East,North), LL (Lat,Long), XY (UTM X,Y)\n"
         "\n"
         "  --input FILE        the input text file of points\n"
         "  --report FILE.REP   the report, named as typed; without it the working\n"
         "                      directory's OUTPUT.REP and OUTPUT.TXT are written\n"
         "  --data              also write the data file FILE.TXT beside the report\n"
         "  --accuracy          also write the accuracy file FILE.ACC (routes with LUMBRIX)\n"
         "  --province, --mtm-zone, --utm-zone\n"
         "                      for this run only; KARTOVEX.INI is not changed\n"
         "  --ini FILE          use this configuration file\n"
         "  --french            messages and results in French\n"
         "  --yes               answer Yes to the start-up questions (default No)\n"
         "  --quiet, -q         no progress, and nothing on standard output or error when\n"
         "                      the conversion completes; errors are still shown\n"
         "  --list-routes FROM TO\n"
         "                      list the route the pair takes (route table row, modules,\n"
         "                      programs run) and exit; --from and --to may give the pair\n"
         "  --init DIR          lay out a working installation in DIR (a new or empty\n"
         "                      folder) from the installed data: KARTOVEX.INI, BIN,\n"
         "                      DATAFILE, WORKING, OUTPUT and INPUT samples\n"
         "  --help              this text\n"
         "  --version           the version and build date\n"
         "\n"
         "Messages go to standard error; the last line on standard output is the results\n"
         "text; without --report, the files written are named on standard error.\n"
         "Exit status: 0 the conversion has been completed; 4 it completed, BUT one or\n"
         "more points was missed or rejected; 1 it was not completed; 2 a usage error\n"
         "(no arguments print this text); 3 the start-up failed; 130 interrupted. Ctrl-C\n"
         "(or SIGTERM, SIGHUP) cancels the running conversion. When standard error is a\n"
         "terminal and the run lasts over a second, a progress bar is shown there.\n"
         "ORVANDEL's coefficient files are read from the DATAFILE environment variable's\n"
         "folder, or when it is not set from the DATAFILE folder beside KARTOVEX.INI.\n"
         "\n"
         "Examples:\n"
         "  " +
         p +
         " --from NAD27:LL --to ATS77:EN --input INPUT/NB_LL.TXT --province NB\n"
         "  " +
         p +
         " --from ATS77:EN --to NAD83CSRS:LL --input points.txt --report OUT/RESULT.REP --data "
         "--accuracy\n"
         "  " +
         p + " --from NAD27:XY --to ATS77:EN --input utm.txt --province NS --mtm-zone 5 --french\n";
}

std::string VersionText(const std::string& programName) {
  const std::string p = programName.empty() ? "kartovex-cli" : programName;
  return p + " " KARTOVEX_VERSION " (built " KARTOVEX_BUILD_DATE ")\n";
}

}  // namespace kartovex::cli
