#pragma once

// The companies the benchmarks build in a temporary folder: a location with
// one company "firma", filled with vehicles, persons, trips over four years
// and odometer readings, all protected with kBenchPassword.

#include <QString>
#include <cstddef>
#include <vector>

namespace kv::bench {

extern const QString kBenchPassword;

double median(std::vector<double> v);
// Heap bytes in use after giving freed memory back.
size_t heapInUse();

// A location folder `root/name` with an empty company "firma" and the
// location's company list; returns the location.
QString makeLocation(const QString& root, const QString& name);
void fillVehicles(const QString& company, int vehicles, int persons);
// Trips of vehicles 1..500 and persons P0..P199 on random days of 2022-2025.
void fillTrips(const QString& company, int trips);
// The statutory rates: the 2024 trips take the 2023 row.
void fillRates(const QString& company);
// Readings of vehicles 1..vehicles, rising day by day over the years.
void fillReadings(const QString& company, int vehicles, int readings);

} // namespace kv::bench
