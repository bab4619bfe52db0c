// Anchor translation unit so the library has an object file before its conversions arrive.
#include "Exception.h"
