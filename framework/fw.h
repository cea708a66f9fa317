// The framework's whole public interface in one header, for programs that want it all.
#pragma once

#include "framework/base/exceptions.h"
#include "framework/base/set.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/pixels.h"
#include "framework/graphics/text_engine.h"
#include "framework/graphics/types.h"
#include "framework/image/codecs.h"
#include "framework/image/resources.h"
