// Anchors the exception classes' type information in the framework library.
#include "framework/rtl/exceptions.h"
