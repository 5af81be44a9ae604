#include "orvandel/projection_calls.h"

#include "geodesy/mpcord.h"
#include "geodesy/mpmsg.h"

namespace orvandel {

int projectionCode(const std::string& province) {
    if (province == "NB ") return 1;
    if (province == "NS ") return 2;
    if (province == "PEI") return 3;
    return 0;
}

GridPoint projectAts77(int projection, double phi, double lam, double meridian) {
    geodesy::MpcordArgs a;
    a.ICODE = 0;
    a.IPROJ = projection;
    a.PHI = phi;
    a.LAM = lam;
    a.MERIDN = meridian;
    geodesy::MPCORD(a);
    return {a.EAST, a.NORTH, a.IERR};
}

GeoPoint unprojectAts77(int projection, double easting, double northing, double meridian) {
    geodesy::MpcordArgs a;
    a.ICODE = 0;
    a.IPROJ = projection;
    a.MERIDN = meridian;
    a.EAST = easting;
    a.NORTH = northing;
    geodesy::MPCORD(a);
    return {a.PHI, a.LAM, a.IERR};
}

void printProjectionMessage(int message, std::ostream& out) { geodesy::MPMSG(message, out, " "); }

}  // namespace orvandel
