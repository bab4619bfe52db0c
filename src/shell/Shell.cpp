#include "PageRegistry.h"
