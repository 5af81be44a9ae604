#pragma once
// Sample input text files of the demo installation: for every region the
// Lat,Long form and, on each datum, the East,North and UTM X,Y forms, comma
// delimited in East,North order.
#include <string>
#include <utility>
#include <vector>

#include "province_outline.h"

namespace demo {

struct SampleFile {
  std::string name;  // e.g. "NB_EN77.TXT"
  std::string text;
};

bool sampleFiles(std::vector<SampleFile>& files, std::string& error);

// The one UTM zone of a region's UTM X,Y samples: 19 for New Brunswick, 20
// for Nova Scotia and Prince Edward Island. ORVANDEL's UTM routes take one
// zone per run, so those files hold only the region's places in that zone.
int sampleUtmZone(Region region);

// "45,05,03.20000" style: degrees, minutes and seconds with 5 decimals.
std::string dmsFields(double degrees);

}  // namespace demo
