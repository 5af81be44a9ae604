#include "common/projection_calls.h"

#include "geodesy/mpcord.h"
#include "geodesy/mpmsg.h"

namespace orvandel {

int projectionCode(const std::string& province) {
    using geodesy::MpcordProjection;
    if (province == "NB ") return code(MpcordProjection::NewBrunswickToGrid);
    if (province == "NS ") return code(MpcordProjection::NovaScotiaToGrid);
    if (province == "PEI") return code(MpcordProjection::PrinceEdwardIslandToGrid);
    return 0;
}

GridPoint projectAts77(geodesy::ZoneMemory& zones, int projection, double phi, double lam, double meridian) {
    geodesy::MpcordArgs a;
    a.ICODE = 0;
    a.IPROJ = projection;
    a.PHI = phi;
    a.LAM = lam;
    a.MERIDN = meridian;
    geodesy::MPCORD(a, zones);
    return {a.EAST, a.NORTH, a.IERR};
}

GeoPoint unprojectAts77(geodesy::ZoneMemory& zones, int projection, double easting, double northing, double meridian) {
    geodesy::MpcordArgs a;
    a.ICODE = 0;
    a.IPROJ = projection;
    a.MERIDN = meridian;
    a.EAST = easting;
    a.NORTH = northing;
    geodesy::MPCORD(a, zones);
    return {a.PHI, a.LAM, a.IERR};
}

void printProjectionMessage(int message, std::ostream& out) { geodesy::MPMSG(message, out, " "); }

}  // namespace orvandel
