#pragma once
// The six transformations: province, direction, labels, coefficient files.
#include <string>

namespace orvandel {

// Province code of transformation 1..6 ("NB ", "NS ", "PEI"); blanks otherwise.
std::string provinceCode(int transformation);

// True for 1 to 3, NAD27 to ATS77.
inline bool isNad27ToAts77(int transformation) { return transformation >= 1 && transformation <= 3; }

// The 22-character label of the options summary.
std::string transformationLabel(int transformation);

// The 27-character label of a coordinate type 1..4.
std::string coordinateTypeLabel(int coordinateType);

// Coefficient file name of transformation 1..6 (no directory).
std::string coefficientFileName(int transformation);

// Workspace capacity of the province of transformation 1..6 (0 otherwise).
long long workspaceCapacity(int transformation);

}  // namespace orvandel
