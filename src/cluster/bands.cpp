#include "cluster/bands.h"

namespace {

struct Band {
    const char* name;
    double lowestKHz;
    double highestKHz;
};

constexpr Band kBands[] = {
    {"2200m", 135.7, 137.8},   {"630m", 472, 479},          {"160m", 1800, 2000},          {"80m", 3500, 4000},
    {"60m", 5250, 5450},       {"40m", 7000, 7300},         {"30m", 10100, 10150},         {"20m", 14000, 14350},
    {"17m", 18068, 18168},     {"15m", 21000, 21450},       {"12m", 24890, 24990},         {"10m", 28000, 29700},
    {"6m", 50000, 54000},      {"4m", 70000, 70500},        {"2m", 144000, 148000},        {"1.25m", 222000, 225000},
    {"70cm", 420000, 450000},  {"23cm", 1240000, 1300000},  {"13cm", 2300000, 2450000},    {"9cm", 3300000, 3500000},
    {"6cm", 5650000, 5925000}, {"3cm", 10000000, 10500000}, {"1.2cm", 24000000, 24250000},
};

}  // namespace

QString bandOf(double kHz) {
    for (const Band& band : kBands)
        if (kHz >= band.lowestKHz && kHz <= band.highestKHz) return QString::fromLatin1(band.name);
    return {};
}
