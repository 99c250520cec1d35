// One series joining or leaving a multivariate project, as the Project
// Editor moves series between projects. The series table that results is
// installed as a new import is: the transformations and the fitted model go
// (they were made for the old table), and each series gets its plot window.
#pragma once

#include <vector>

#include "multivariate/multivariate_project.h"

namespace kora {

// The number of values of series k (from 1), 0 when there is no such series.
int SeriesLength(const MultivariateProject& project, int k);

// A project without data takes a series of any length, one with data only a
// series as long as its own.
bool AcceptsSeries(const MultivariateProject& project, size_t length);

// Takes series k out of the project: the later series move up one number.
// The last series leaving leaves the project without data.
std::vector<double> TakeSeries(platform::Platform& ui, MultivariateProject& project, int k);

// The values become the project's last series (the project must accept them).
void AddSeries(platform::Platform& ui, MultivariateProject& project, std::vector<double> values);

}  // namespace kora
