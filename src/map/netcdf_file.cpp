#include "map/netcdf_file.h"

#include <netcdf.h>

#include <QDir>
#include <QFile>

#include "base/failure.h"

namespace maps {

NetcdfFile::NetcdfFile(const QString& fileName) : m_fileName(fileName) {
    if (!QFile::exists(fileName))
        throw Failure(QStringLiteral("%1 is missing").arg(QDir::toNativeSeparators(fileName)));
    check(nc_open(QFile::encodeName(fileName).constData(), NC_NOWRITE, &m_id), nullptr);
}

NetcdfFile::~NetcdfFile() {
    if (m_id >= 0) nc_close(m_id);
}

void NetcdfFile::fail(const QString& reason) const {
    throw Failure(QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(m_fileName), reason));
}

void NetcdfFile::check(int status, const char* name) const {
    if (status == NC_NOERR) return;
    const QString reason = QString::fromUtf8(nc_strerror(status));
    fail(name ? QStringLiteral("%1 (%2)").arg(reason, QLatin1String(name)) : reason);
}

int NetcdfFile::variable(const char* name, size_t count) const {
    int id = -1;
    check(nc_inq_varid(m_id, name, &id), name);
    int dimensions = 0;
    check(nc_inq_varndims(m_id, id, &dimensions), name);
    int dimension = -1;
    if (dimensions != 1) fail(QStringLiteral("%1 has %2 dimensions, not one").arg(QLatin1String(name)).arg(dimensions));
    check(nc_inq_vardimid(m_id, id, &dimension), name);
    size_t length = 0;
    check(nc_inq_dimlen(m_id, dimension, &length), name);
    if (length != count)
        fail(QStringLiteral("%1 holds %2 values where %3 belong").arg(QLatin1String(name)).arg(length).arg(count));
    return id;
}

int NetcdfFile::scalar(const char* name) const {
    int value = 0;
    check(nc_get_var_int(m_id, variable(name, 1), &value), name);
    return value;
}

std::vector<int> NetcdfFile::ints(const char* name, size_t count) const {
    std::vector<int> values(count);
    const int id = variable(name, count);
    if (count > 0) check(nc_get_var_int(m_id, id, values.data()), name);
    return values;
}

std::vector<short> NetcdfFile::shorts(const char* name, size_t count) const {
    std::vector<short> values(count);
    const int id = variable(name, count);
    if (count > 0) check(nc_get_var_short(m_id, id, values.data()), name);
    return values;
}

}  // namespace maps
