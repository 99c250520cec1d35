// The INFO report of the ARAR forecast.
#pragma once

#include <string>

#include "forecast/arar_settings.h"

namespace kora {

// Report text, lines ending CR LF; `offset` puts the stored indices on the
// original time axis.
std::string ArarReportText(const ArarSettings& settings, const std::string& windowTitle, int offset);

}  // namespace kora
