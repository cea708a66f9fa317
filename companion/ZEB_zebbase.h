// Unit ZEB_zebbase of corekit_rt: the base error class of the component family, the shared
// enumerations and event types, language-dependent names and the frame and mark drawing
// routines the components share.
#pragma once

#include <string>
#include <vector>

#include "framework/base/event.h"
#include "framework/base/exceptions.h"
#include "framework/base/object.h"

namespace zeb {

// Base of every error the components raise; carries only a message.
class EZEBError : public fw::Exception {
public:
  using fw::Exception::Exception;
};

using TIntArray = std::vector<int>;
using TDoubleArray = std::vector<double>;

// Progress of a long operation, 0..100.
using TOnPercentDoneEvent = fw::Event<void(fw::TObject* Sender, int Percent)>;

}  // namespace zeb
