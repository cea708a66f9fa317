// The framework's whole public interface in one header, for programs that want it all.
#pragma once

// Component model
#include "framework/base/component.h"
#include "framework/base/event.h"
#include "framework/base/exceptions.h"
#include "framework/base/form_text.h"
#include "framework/base/object.h"
#include "framework/base/registry.h"
#include "framework/base/registry_check.h"
#include "framework/base/set.h"

// Run-time library
#include "framework/rtl/datetime.h"
#include "framework/rtl/files.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/random.h"
#include "framework/rtl/rounding.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/strings.h"
#include "framework/rtl/textfile.h"
#include "framework/rtl/utf8.h"

// Graphics and images
#include "framework/graphics/colors.h"
#include "framework/graphics/pixels.h"
#include "framework/graphics/text_engine.h"
#include "framework/graphics/types.h"
#include "framework/image/codecs.h"
#include "framework/image/resources.h"
