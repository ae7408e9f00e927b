#pragma once
// I/O errors as values: where they come from, their kind, and the two ways
// the program shows them.

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace suite {

// The category of an I/O error; the names are shown in detailed forms.
enum class ErrorKind : std::uint8_t {
  NotFound,
  PermissionDenied,
  ConnectionRefused,
  ConnectionReset,
  HostUnreachable,
  NetworkUnreachable,
  ConnectionAborted,
  NotConnected,
  AddrInUse,
  AddrNotAvailable,
  NetworkDown,
  BrokenPipe,
  AlreadyExists,
  WouldBlock,
  NotADirectory,
  IsADirectory,
  DirectoryNotEmpty,
  ReadOnlyFilesystem,
  FilesystemLoop,
  StaleNetworkFileHandle,
  InvalidInput,
  InvalidData,
  TimedOut,
  WriteZero,
  StorageFull,
  NotSeekable,
  QuotaExceeded,
  FileTooLarge,
  ResourceBusy,
  ExecutableFileBusy,
  Deadlock,
  CrossesDevices,
  TooManyLinks,
  InvalidFilename,
  ArgumentListTooLong,
  Interrupted,
  Unsupported,
  OutOfMemory,
  InProgress,
  Uncategorized,
};

// The name of `kind` as detailed forms show it, e.g. "BrokenPipe".
std::string_view error_kind_name(ErrorKind kind);

// The kind of a Linux error number; unlisted numbers are Uncategorized.
ErrorKind error_kind_of_errno(int number);

// An I/O error. Functions that can fail return IoResult, so an error cannot
// be dropped silently.
class [[nodiscard]] IoError {
 public:
  // An error reported by the operating system as `number` (an errno value).
  static IoError from_os(int number);
  // A fixed condition with a message, e.g. a write that accepted no byte.
  static IoError with_message(ErrorKind kind, std::string_view message);
  // A kind without further detail.
  static IoError from_kind(ErrorKind kind);
  // An error of another layer, carried as its message, under `kind`.
  static IoError custom(ErrorKind kind, std::string message);

  // The category of the error.
  ErrorKind kind() const { return kind_; }
  // The operating-system error number, or 0 when the error has none.
  int os_number() const { return source_ == Source::os ? os_number_ : 0; }

  // The form used after "io error when listing tests: ", e.g.
  // Os { code: 32, kind: BrokenPipe, message: "Broken pipe" }.
  std::string detailed() const;
  // The form used in one-line messages, e.g. "Broken pipe (os error 32)".
  std::string short_form() const;

 private:
  enum class Source : std::uint8_t { os, message, kind, custom };
  IoError(Source source, ErrorKind kind) : source_(source), kind_(kind) {}

  Source source_;
  ErrorKind kind_;
  int os_number_ = 0;
  std::string message_;
};

// A value or the I/O error that prevented it.
template <typename T = void>
using IoResult = std::expected<T, IoError>;

// The failure of a write that accepted no byte.
IoError write_zero_error();

// Evaluates `expression`, an IoResult, and returns its error from the
// calling function when it failed.
#define SUITE_TRY(expression)                                    \
  do {                                                           \
    if (auto suite_try_result = (expression); !suite_try_result) \
      return std::unexpected(std::move(suite_try_result).error()); \
  } while (false)

}  // namespace suite
