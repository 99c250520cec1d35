// The caption of the error messages of the transformation commands.
#pragma once

namespace kora {

inline constexpr const char* kTarnErrorCaption = "KORA::Tarn Error";

}  // namespace kora
