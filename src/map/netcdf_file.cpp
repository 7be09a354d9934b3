#include "map/netcdf_file.h"

#include <netcdf.h>

#include <QDir>
#include <QFile>
#include <QLibrary>

#include "base/failure.h"

namespace maps {

namespace {

// libnetcdf brings HDF5, curl and a score of libraries more: loaded when the first coastline file
// is opened, they cost nothing to a program or a window that draws no map.
struct Netcdf {
    decltype(&::nc_open) nc_open = nullptr;
    decltype(&::nc_close) nc_close = nullptr;
    decltype(&::nc_strerror) nc_strerror = nullptr;
    decltype(&::nc_inq_varid) nc_inq_varid = nullptr;
    decltype(&::nc_inq_varndims) nc_inq_varndims = nullptr;
    decltype(&::nc_inq_vardimid) nc_inq_vardimid = nullptr;
    decltype(&::nc_inq_dimlen) nc_inq_dimlen = nullptr;
    decltype(&::nc_get_var_int) nc_get_var_int = nullptr;
    decltype(&::nc_get_var_short) nc_get_var_short = nullptr;
};

template <typename Function>
void resolve(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function)
        throw Failure(QStringLiteral("%1 cannot be used (%2): install libnetcdf again")
                          .arg(QLatin1String(SKERRY_NETCDF_LIBRARY), library.errorString()));
}

Netcdf loadNetcdf() {
    static QLibrary library(QStringLiteral(SKERRY_NETCDF_LIBRARY));
    if (!library.load())
        throw Failure(QStringLiteral("The coastlines cannot be read without %1 (%2): install libnetcdf")
                          .arg(QLatin1String(SKERRY_NETCDF_LIBRARY), library.errorString()));
    Netcdf netcdf;
    resolve(library, netcdf.nc_open, "nc_open");
    resolve(library, netcdf.nc_close, "nc_close");
    resolve(library, netcdf.nc_strerror, "nc_strerror");
    resolve(library, netcdf.nc_inq_varid, "nc_inq_varid");
    resolve(library, netcdf.nc_inq_varndims, "nc_inq_varndims");
    resolve(library, netcdf.nc_inq_vardimid, "nc_inq_vardimid");
    resolve(library, netcdf.nc_inq_dimlen, "nc_inq_dimlen");
    resolve(library, netcdf.nc_get_var_int, "nc_get_var_int");
    resolve(library, netcdf.nc_get_var_short, "nc_get_var_short");
    return netcdf;
}

// Loaded once; a failed load is tried again at the next file, and fails again with its reason.
const Netcdf& netcdf() {
    static const Netcdf loaded = loadNetcdf();
    return loaded;
}

}  // namespace

NetcdfFile::NetcdfFile(const QString& fileName) : m_fileName(fileName) {
    if (!QFile::exists(fileName))
        throw Failure(QStringLiteral("%1 is missing").arg(QDir::toNativeSeparators(fileName)));
    check(netcdf().nc_open(QFile::encodeName(fileName).constData(), NC_NOWRITE, &m_id), nullptr);
}

NetcdfFile::~NetcdfFile() {
    if (m_id >= 0) netcdf().nc_close(m_id);
}

void NetcdfFile::fail(const QString& reason) const {
    throw Failure(QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(m_fileName), reason));
}

void NetcdfFile::check(int status, const char* name) const {
    if (status == NC_NOERR) return;
    const QString reason = QString::fromUtf8(netcdf().nc_strerror(status));
    fail(name ? QStringLiteral("%1 (%2)").arg(reason, QLatin1String(name)) : reason);
}

int NetcdfFile::variable(const char* name, size_t count) const {
    int id = -1;
    check(netcdf().nc_inq_varid(m_id, name, &id), name);
    int dimensions = 0;
    check(netcdf().nc_inq_varndims(m_id, id, &dimensions), name);
    int dimension = -1;
    if (dimensions != 1) fail(QStringLiteral("%1 has %2 dimensions, not one").arg(QLatin1String(name)).arg(dimensions));
    check(netcdf().nc_inq_vardimid(m_id, id, &dimension), name);
    size_t length = 0;
    check(netcdf().nc_inq_dimlen(m_id, dimension, &length), name);
    if (length != count)
        fail(QStringLiteral("%1 holds %2 values where %3 belong").arg(QLatin1String(name)).arg(length).arg(count));
    return id;
}

int NetcdfFile::scalar(const char* name) const {
    int value = 0;
    check(netcdf().nc_get_var_int(m_id, variable(name, 1), &value), name);
    return value;
}

std::vector<int> NetcdfFile::ints(const char* name, size_t count) const {
    std::vector<int> values(count);
    const int id = variable(name, count);
    if (count > 0) check(netcdf().nc_get_var_int(m_id, id, values.data()), name);
    return values;
}

std::vector<short> NetcdfFile::shorts(const char* name, size_t count) const {
    std::vector<short> values(count);
    const int id = variable(name, count);
    if (count > 0) check(netcdf().nc_get_var_short(m_id, id, values.data()), name);
    return values;
}

}  // namespace maps
