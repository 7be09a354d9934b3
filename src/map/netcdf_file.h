#pragma once

#include <QString>
#include <vector>

namespace maps {

// A NetCDF file open for reading (libnetcdf), with the few reads the GSHHG files need. Every
// failure throws a Failure naming the file and what is wrong with it. Read on one thread only:
// libnetcdf and the HDF5 library under it are not made for two.
class NetcdfFile {
public:
    explicit NetcdfFile(const QString& fileName);
    ~NetcdfFile();
    NetcdfFile(const NetcdfFile&) = delete;
    NetcdfFile& operator=(const NetcdfFile&) = delete;

    // The value of a variable holding one whole number.
    int scalar(const char* name) const;
    // The values of a variable of one dimension, which must hold `count` of them.
    std::vector<int> ints(const char* name, size_t count) const;
    std::vector<short> shorts(const char* name, size_t count) const;

    // A failure of this file for a reason found in its contents.
    [[noreturn]] void fail(const QString& reason) const;

private:
    int variable(const char* name, size_t count) const;
    void check(int status, const char* name) const;

    QString m_fileName;
    int m_id = -1;
};

}  // namespace maps
