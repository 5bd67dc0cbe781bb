// FatalError for the tests: instead of ending the process it throws what it
// was told, so a test can see that and why it was called.
#include "fatal_error_double.h"

namespace ondrave {

void FatalError(std::string_view what) { throw testing::FatalErrorRaised(std::string(what)); }

}  // namespace ondrave
