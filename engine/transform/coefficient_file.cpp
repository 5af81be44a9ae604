#include "transform/coefficient_file.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "common/file_lookup.h"
#include "common/program_stop.h"

namespace orvandel {

namespace {

constexpr std::uint32_t kHeaderLength = 3 * 4 + 9 * 8;

std::uint32_t getU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t getI32(const unsigned char* p) { return static_cast<std::int32_t>(getU32(p)); }

double getF64(const unsigned char* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | p[i];
    return std::bit_cast<double>(bits);
}

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putF64(std::string& out, double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void putRecord(std::string& out, const std::string& record) {
    putU32(out, static_cast<std::uint32_t>(record.size()));
    out += record;
    putU32(out, static_cast<std::uint32_t>(record.size()));
}

}  // namespace

CoefficientFileReader::CoefficientFileReader(const std::string& path) : path_(path) {
    openExisting(file_, path, "COEFFICIENT FILE");
}

std::vector<unsigned char> CoefficientFileReader::readRecord(std::uint32_t expectedLength, const char* which) {
    const auto fault = [&](const std::string& what) {
        failRun("COEFFICIENT FILE '" + path_ + "': " + which + " " + what);
    };
    unsigned char marker[4];
    if (!file_.read(reinterpret_cast<char*>(marker), 4)) fault("IS MISSING");
    const std::uint32_t length = getU32(marker);
    if (length != expectedLength) {
        fault("HAS LENGTH " + std::to_string(length) + ", EXPECTED " + std::to_string(expectedLength));
    }
    // Never allocate more than the file can still hold.
    const std::streamoff here = file_.tellg();
    file_.seekg(0, std::ios::end);
    const std::streamoff size = file_.tellg();
    file_.seekg(here);
    if (here < 0 || size - here < static_cast<std::streamoff>(length) + 4) fault("IS TRUNCATED");
    std::vector<unsigned char> bytes(length);
    if (length > 0 && !file_.read(reinterpret_cast<char*>(bytes.data()), length)) fault("IS TRUNCATED");
    if (!file_.read(reinterpret_cast<char*>(marker), 4)) fault("IS TRUNCATED");
    if (getU32(marker) != length) fault("HAS MISMATCHED LENGTH MARKERS");
    return bytes;
}

CoefficientHeader CoefficientFileReader::readHeader() {
    const std::vector<unsigned char> b = readRecord(kHeaderLength, "RECORD 1");
    CoefficientHeader h;
    h.degree = getI32(&b[0]);
    h.stationCount = getI32(&b[4]);
    h.direction = getI32(&b[8]);
    double* const reals[] = {&h.correlation, &h.originLat, &h.originLon,  &h.latOffset, &h.lonOffset,
                             &h.latScale,    &h.lonScale,  &h.latDivisor, &h.lonDivisor};
    for (int i = 0; i < 9; ++i) *reals[i] = getF64(&b[12 + 8 * i]);
    if (h.degree < 0 || h.degree > 5) {
        failRun("COEFFICIENT FILE '" + path_ + "': DEGREE " + std::to_string(h.degree) + " IS NOT 0 TO 5");
    }
    if (h.stationCount < 0) {
        failRun("COEFFICIENT FILE '" + path_ + "': NEGATIVE CONTROL STATION COUNT");
    }
    // A damaged header would otherwise give no transformed point at all,
    // and a run that looks finished.
    const struct {
        const char* name;
        double value;
    } fields[] = {{"CORRELATION DISTANCE", h.correlation}, {"ORIGIN LATITUDE", h.originLat},
                  {"ORIGIN LONGITUDE", h.originLon},       {"LATITUDE OFFSET", h.latOffset},
                  {"LONGITUDE OFFSET", h.lonOffset},       {"LATITUDE SCALE FACTOR", h.latScale},
                  {"LONGITUDE SCALE FACTOR", h.lonScale},  {"LATITUDE DIVISOR", h.latDivisor},
                  {"LONGITUDE DIVISOR", h.lonDivisor}};
    for (const auto& f : fields) {
        if (!std::isfinite(f.value)) {
            failRun("COEFFICIENT FILE '" + path_ + "': " + f.name + " IS NOT A FINITE NUMBER");
        }
    }
    for (const auto& f : {fields[5], fields[6], fields[7], fields[8]}) {
        if (f.value == 0.0) failRun("COEFFICIENT FILE '" + path_ + "': " + f.name + " IS ZERO");
    }
    return h;
}

void CoefficientFileReader::readValues(CoefficientModel& model) {
    const CoefficientHeader& h = model.header;
    const long long count = CoefficientModel::valueCount(h.degree, h.stationCount);
    if (count * 8 > std::numeric_limits<std::uint32_t>::max()) {
        failRun("COEFFICIENT FILE '" + path_ + "': RECORD 2 TOO LARGE");
    }
    const std::vector<unsigned char> b = readRecord(static_cast<std::uint32_t>(count * 8), "RECORD 2");
    // Every value but the last, which is not used, takes part in each
    // station's corrections.
    for (long long i = 0; i + 1 < count; ++i) {
        if (!std::isfinite(getF64(&b[static_cast<std::size_t>(i) * 8]))) {
            failRun("COEFFICIENT FILE '" + path_ + "': RECORD 2 VALUE " + std::to_string(i + 1) +
                    " IS NOT A FINITE NUMBER");
        }
    }
    const std::size_t n = static_cast<std::size_t>(h.stationCount);
    ControlStations& c = model.control;
    c.u.resize(n);
    c.v.resize(n);
    c.residualLat.resize(n);
    c.residualLon.resize(n);
    c.weight.resize(n);
    const unsigned char* p = b.data();
    for (std::size_t j = 0; j < n; ++j, p += 16) {
        c.u[j] = getF64(p);
        c.v[j] = getF64(p + 8);
    }
    for (std::size_t j = 0; j < n; ++j, p += 16) {
        c.residualLat[j] = getF64(p);
        c.residualLon[j] = getF64(p + 8);
    }
    for (std::size_t j = 0; j < n; ++j, p += 8) c.weight[j] = getF64(p);
    model.coefficients.resize(static_cast<std::size_t>(h.degree) + 1);
    for (auto& ck : model.coefficients) {
        ck = {getF64(p), getF64(p + 8)};
        p += 16;
    }
    model.lastValue = getF64(p);
}

CoefficientModel readCoefficientFile(const std::string& path) {
    CoefficientFileReader reader(path);
    CoefficientModel model;
    model.header = reader.readHeader();
    reader.readValues(model);
    return model;
}

bool writeCoefficientFile(const std::string& path, const CoefficientModel& model) {
    const CoefficientHeader& h = model.header;
    std::string header;
    putU32(header, static_cast<std::uint32_t>(h.degree));
    putU32(header, static_cast<std::uint32_t>(model.control.size()));
    putU32(header, static_cast<std::uint32_t>(h.direction));
    for (double d : {h.correlation, h.originLat, h.originLon, h.latOffset, h.lonOffset, h.latScale, h.lonScale,
                     h.latDivisor, h.lonDivisor})
        putF64(header, d);

    const ControlStations& c = model.control;
    std::string values;
    for (std::size_t j = 0; j < c.size(); ++j) {
        putF64(values, c.u[j]);
        putF64(values, c.v[j]);
    }
    for (std::size_t j = 0; j < c.size(); ++j) {
        putF64(values, c.residualLat[j]);
        putF64(values, c.residualLon[j]);
    }
    for (std::size_t j = 0; j < c.size(); ++j) putF64(values, c.weight[j]);
    for (const auto& ck : model.coefficients) {
        putF64(values, ck.real());
        putF64(values, ck.imag());
    }
    putF64(values, model.lastValue);

    std::string out;
    putRecord(out, header);
    putRecord(out, values);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace orvandel
