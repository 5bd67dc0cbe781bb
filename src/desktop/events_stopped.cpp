#include "desktop/fatal_error.h"

namespace ondrave {
namespace {
bool stopped = false;
}  // namespace

bool EventsStopped() { return stopped; }
void StopEvents() { stopped = true; }

}  // namespace ondrave
