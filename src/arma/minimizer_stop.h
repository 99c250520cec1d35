// The reasons the quasi-Newton minimiser stops, shared by the minimiser, the
// model that keeps the last one and the report that words it.
#pragma once

namespace kora {

// Why the minimiser stopped. The values are the termination codes of the
// estimation report; the first five are tested in this order after each
// iteration.
enum class MinimizerStop : int {
  kNone = 0,            // no minimisation ran
  kNoLowerPoint = 3,    // the last line search found no lower point: "Uncertain minimum."
  kGradient = 1,        // relative gradient below gradientTolerance
  kStep = 2,            // relative step below stepTolerance
  kIterationLimit = 4,  // iterationLimit iterations done
  kMaxSteps = 5,        // five maximum steps in a row (the objective may be unbounded)
  kInterrupted = 6,     // the progress callback asked to stop; x is the best point so far
};

}  // namespace kora
