#include "exact/exact.h"
