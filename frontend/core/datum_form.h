#pragma once
// The datum and coordinate form a run converts from and to, as the main
// window offers them, and their short names in reports and answer files.

namespace kartovex {

enum class Datum { None, ATS77, NAD27, NAD83, NAD83_1989 };
enum class CoordForm { None, EN, LL, XY };

// The short names of the choices: "ATS77", "NAD27", "NAD83CSRS",
// "NAD83_1989"; "EN", "LL", "XY"; "" for None.
const char* DatumText(Datum datum);
const char* FormText(CoordForm form);

}  // namespace kartovex
