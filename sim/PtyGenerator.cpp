#include "sim/PtyGenerator.h"
