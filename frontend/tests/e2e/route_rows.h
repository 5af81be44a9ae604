#pragma once
// The supported rows of the route table as the tests expect them: the four
// choices and the report's "Modules" text. Written out here on purpose, so
// the front end's own table is checked against an independent copy.

#include <string>
#include <vector>

namespace e2e {

struct RouteRow {
  int no;
  const char* from;  // DATUM:FORM as kartovex-cli takes it
  const char* to;
  const char* modules;
};

inline const std::vector<RouteRow>& RouteRows() {
  static const std::vector<RouteRow> rows = {
      {1, "ATS77:EN", "NAD83CSRS:EN", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {2, "ATS77:EN", "NAD83CSRS:LL", "VESPERAN -> LUMBRIX"},
      {3, "ATS77:EN", "NAD83CSRS:XY", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {4, "ATS77:LL", "NAD83CSRS:EN", "LUMBRIX -> VESPERAN"},
      {5, "ATS77:LL", "NAD83CSRS:LL", "LUMBRIX"},
      {6, "ATS77:LL", "NAD83CSRS:XY", "LUMBRIX -> VESPERAN"},
      {7, "ATS77:XY", "NAD83CSRS:EN", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {8, "ATS77:XY", "NAD83CSRS:LL", "VESPERAN -> LUMBRIX"},
      {9, "ATS77:XY", "NAD83CSRS:XY", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {10, "ATS77:EN", "ATS77:LL", "VESPERAN"},
      {11, "ATS77:EN", "ATS77:XY", "VESPERAN"},
      {12, "ATS77:LL", "ATS77:EN", "VESPERAN"},
      {13, "ATS77:LL", "ATS77:XY", "VESPERAN"},
      {14, "ATS77:XY", "ATS77:EN", "VESPERAN"},
      {15, "ATS77:XY", "ATS77:LL", "VESPERAN"},
      {16, "NAD83CSRS:EN", "ATS77:EN", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {17, "NAD83CSRS:EN", "ATS77:LL", "VESPERAN -> LUMBRIX"},
      {18, "NAD83CSRS:EN", "ATS77:XY", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {19, "NAD83CSRS:LL", "ATS77:EN", "LUMBRIX -> VESPERAN"},
      {20, "NAD83CSRS:LL", "ATS77:LL", "LUMBRIX"},
      {21, "NAD83CSRS:LL", "ATS77:XY", "LUMBRIX -> VESPERAN"},
      {22, "NAD83CSRS:XY", "ATS77:EN", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {23, "NAD83CSRS:XY", "ATS77:LL", "VESPERAN -> LUMBRIX"},
      {24, "NAD83CSRS:XY", "ATS77:XY", "VESPERAN -> LUMBRIX -> VESPERAN"},
      {25, "NAD83CSRS:EN", "NAD83CSRS:LL", "VESPERAN"},
      {26, "NAD83CSRS:EN", "NAD83CSRS:XY", "VESPERAN"},
      {27, "NAD83CSRS:LL", "NAD83CSRS:EN", "VESPERAN"},
      {28, "NAD83CSRS:LL", "NAD83CSRS:XY", "VESPERAN"},
      {29, "NAD83CSRS:XY", "NAD83CSRS:EN", "VESPERAN"},
      {30, "NAD83CSRS:XY", "NAD83CSRS:LL", "VESPERAN"},
      {31, "NAD27:EN", "NAD83_1989:LL", "QUILLON27 -> LUMBRIX"},
      {32, "NAD27:LL", "NAD83_1989:LL", "LUMBRIX"},
      {33, "NAD27:EN", "NAD27:LL", "QUILLON27"},
      {34, "NAD27:LL", "NAD27:EN", "QUILLON27"},
      {35, "NAD27:XY", "NAD27:EN", "QUILLON27"},
      {36, "NAD27:XY", "NAD27:LL", "QUILLON27"},
      {37, "NAD27:LL", "NAD27:XY", "QUILLON27"},
      {38, "NAD27:EN", "NAD27:XY", "QUILLON27"},
      {39, "NAD27:EN", "ATS77:EN", "ORVANDEL"},
      {40, "NAD27:EN", "ATS77:LL", "ORVANDEL"},
      {41, "NAD27:LL", "ATS77:EN", "ORVANDEL"},
      {42, "NAD27:LL", "ATS77:LL", "ORVANDEL"},
      {43, "NAD27:XY", "ATS77:EN", "ORVANDEL"},
      {44, "NAD27:XY", "ATS77:LL", "ORVANDEL"},
      {45, "ATS77:EN", "NAD27:EN", "ORVANDEL"},
      {46, "ATS77:EN", "NAD27:LL", "ORVANDEL"},
      {47, "ATS77:LL", "NAD27:EN", "ORVANDEL"},
      {48, "ATS77:LL", "NAD27:LL", "ORVANDEL"},
      {49, "NAD27:EN", "NAD83CSRS:EN", "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN"},
      {50, "NAD27:EN", "NAD83CSRS:LL", "ORVANDEL -> VESPERAN -> LUMBRIX"},
      {51, "NAD27:EN", "NAD83CSRS:XY", "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN"},
      {52, "NAD27:LL", "NAD83CSRS:EN", "ORVANDEL -> LUMBRIX -> VESPERAN"},
      {53, "NAD27:LL", "NAD83CSRS:LL", "ORVANDEL -> LUMBRIX"},
      {54, "NAD27:LL", "NAD83CSRS:XY", "ORVANDEL -> LUMBRIX -> VESPERAN"},
      {55, "NAD27:XY", "NAD83CSRS:LL", "ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN"},
      {56, "NAD83CSRS:XY", "NAD27:EN", "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL"},
      {57, "NAD83CSRS:XY", "NAD27:LL", "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL"},
      {58, "NAD83CSRS:XY", "NAD27:XY", "VESPERAN -> LUMBRIX -> VESPERAN -> ORVANDEL"},
      {59, "NAD83CSRS:LL", "NAD27:LL", "LUMBRIX -> ORVANDEL"},
      {60, "NAD83CSRS:LL", "NAD27:EN", "LUMBRIX -> ORVANDEL"},
      {61, "NAD83CSRS:EN", "NAD27:LL", "VESPERAN -> LUMBRIX -> ORVANDEL"},
      {62, "NAD83CSRS:EN", "NAD27:EN", "VESPERAN -> LUMBRIX -> ORVANDEL"},
      {63, "NAD27:XY", "NAD83CSRS:EN", "ORVANDEL -> LUMBRIX -> VESPERAN"},
      {64, "NAD83CSRS:EN", "NAD27:XY", "VESPERAN -> LUMBRIX -> ORVANDEL"},
  };
  return rows;
}

}  // namespace e2e
