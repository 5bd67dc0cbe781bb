/* Resource identifiers, shared by the resource script and the code. */
#pragma once

#define ONDRAVE_APP_ICON 1
