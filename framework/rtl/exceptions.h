// The framework's exception classes: fw::Exception and the platform errors that components
// raise or expect. Each carries only a message.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Root of every error the framework and the components raise.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// Text that is not a valid number, date or other value of the requested type.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A file or stream operation failed (missing file, no permission, disk full, read past end).
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};

// Memory could not be had for a requested size.
class EOutOfMemory : public Exception {
 public:
  using Exception::Exception;
};

// An operation that is not valid in the object's current state.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// Malformed, truncated, unsupported or oversized image data.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// An index outside the valid range of a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// Integer arithmetic that overflowed, or a division by zero.
class EIntOverflow : public Exception {
 public:
  using Exception::Exception;
};

// A named resource that does not exist.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace fw
