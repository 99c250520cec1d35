// The INFO texts of the three smoothing windows.
#pragma once

#include <string>

namespace kora {

std::string ExpSmoothReport(double alpha, double mse);
std::string FourierSmoothReport(double cutoff, double mse);
std::string MaSmoothReport(double mse);

}  // namespace kora
