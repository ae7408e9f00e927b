#include "platform/io_error.hpp"

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/number_format.hpp"
#include "platform/utf8.hpp"

namespace suite {
namespace {

constexpr std::array<std::string_view, 40> kKindNames = {
    "NotFound",          "PermissionDenied",
    "ConnectionRefused", "ConnectionReset",
    "HostUnreachable",   "NetworkUnreachable",
    "ConnectionAborted", "NotConnected",
    "AddrInUse",         "AddrNotAvailable",
    "NetworkDown",       "BrokenPipe",
    "AlreadyExists",     "WouldBlock",
    "NotADirectory",     "IsADirectory",
    "DirectoryNotEmpty", "ReadOnlyFilesystem",
    "FilesystemLoop",    "StaleNetworkFileHandle",
    "InvalidInput",      "InvalidData",
    "TimedOut",          "WriteZero",
    "StorageFull",       "NotSeekable",
    "QuotaExceeded",     "FileTooLarge",
    "ResourceBusy",      "ExecutableFileBusy",
    "Deadlock",          "CrossesDevices",
    "TooManyLinks",      "InvalidFilename",
    "ArgumentListTooLong", "Interrupted",
    "Unsupported",       "OutOfMemory",
    "InProgress",        "Uncategorized",
};
static_assert(kKindNames.size() ==
              static_cast<std::size_t>(ErrorKind::Uncategorized) + 1);

struct ErrnoKind {
  int number;
  ErrorKind kind;
};

// Linux error numbers with a kind of their own.
constexpr ErrnoKind kErrnoKinds[] = {
    {EPERM, ErrorKind::PermissionDenied},
    {EACCES, ErrorKind::PermissionDenied},
    {ENOENT, ErrorKind::NotFound},
    {EINTR, ErrorKind::Interrupted},
    {E2BIG, ErrorKind::ArgumentListTooLong},
    {EAGAIN, ErrorKind::WouldBlock},
    {ENOMEM, ErrorKind::OutOfMemory},
    {EBUSY, ErrorKind::ResourceBusy},
    {EEXIST, ErrorKind::AlreadyExists},
    {EXDEV, ErrorKind::CrossesDevices},
    {ENOTDIR, ErrorKind::NotADirectory},
    {EISDIR, ErrorKind::IsADirectory},
    {EINVAL, ErrorKind::InvalidInput},
    {ETXTBSY, ErrorKind::ExecutableFileBusy},
    {EFBIG, ErrorKind::FileTooLarge},
    {ENOSPC, ErrorKind::StorageFull},
    {ESPIPE, ErrorKind::NotSeekable},
    {EROFS, ErrorKind::ReadOnlyFilesystem},
    {EMLINK, ErrorKind::TooManyLinks},
    {EPIPE, ErrorKind::BrokenPipe},
    {EDEADLK, ErrorKind::Deadlock},
    {ENAMETOOLONG, ErrorKind::InvalidFilename},
    {ENOSYS, ErrorKind::Unsupported},
    {EOPNOTSUPP, ErrorKind::Unsupported},
    {ENOTEMPTY, ErrorKind::DirectoryNotEmpty},
    {ELOOP, ErrorKind::FilesystemLoop},
    {EADDRINUSE, ErrorKind::AddrInUse},
    {EADDRNOTAVAIL, ErrorKind::AddrNotAvailable},
    {ENETDOWN, ErrorKind::NetworkDown},
    {ENETUNREACH, ErrorKind::NetworkUnreachable},
    {ECONNABORTED, ErrorKind::ConnectionAborted},
    {ECONNRESET, ErrorKind::ConnectionReset},
    {ENOTCONN, ErrorKind::NotConnected},
    {ETIMEDOUT, ErrorKind::TimedOut},
    {ECONNREFUSED, ErrorKind::ConnectionRefused},
    {EHOSTUNREACH, ErrorKind::HostUnreachable},
    {EINPROGRESS, ErrorKind::InProgress},
    {ESTALE, ErrorKind::StaleNetworkFileHandle},
    {EDQUOT, ErrorKind::QuotaExceeded},
};

// The C library's description of `number`, as valid UTF-8.
std::string os_description(int number) {
  char text[128];
  // The GNU strerror_r may return a static string instead of filling `text`.
  const char* description = strerror_r(number, text, sizeof text);
  std::string result;
  append_lossy_utf8(result, description);
  return result;
}

}  // namespace

std::string_view error_kind_name(ErrorKind kind) {
  return kKindNames[static_cast<std::size_t>(kind)];
}

ErrorKind error_kind_of_errno(int number) {
  for (const ErrnoKind& entry : kErrnoKinds)
    if (entry.number == number) return entry.kind;
  return ErrorKind::Uncategorized;
}

IoError IoError::from_os(int number) {
  IoError error(Source::os, error_kind_of_errno(number));
  error.os_number_ = number;
  return error;
}

IoError IoError::with_message(ErrorKind kind, std::string_view message) {
  IoError error(Source::message, kind);
  error.message_ = message;
  return error;
}

IoError IoError::from_kind(ErrorKind kind) { return IoError(Source::kind, kind); }

IoError IoError::custom(ErrorKind kind, std::string message) {
  IoError error(Source::custom, kind);
  error.message_ = std::move(message);
  return error;
}

std::string IoError::detailed() const {
  std::string text;
  switch (source_) {
    case Source::os:
      text = "Os { code: ";
      append_decimal(text, static_cast<unsigned>(os_number_));
      text += ", kind: ";
      text += error_kind_name(kind_);
      text += ", message: ";
      append_quoted(text, os_description(os_number_));
      text += " }";
      break;
    case Source::message:
      text = "Error { kind: ";
      text += error_kind_name(kind_);
      text += ", message: ";
      append_quoted(text, message_);
      text += " }";
      break;
    case Source::kind:
      text = "Kind(";
      text += error_kind_name(kind_);
      text += ')';
      break;
    case Source::custom:
      text = "Custom { kind: ";
      text += error_kind_name(kind_);
      text += ", error: ";
      append_quoted(text, message_);
      text += " }";
      break;
  }
  return text;
}

std::string IoError::short_form() const {
  switch (source_) {
    case Source::os: {
      std::string text = os_description(os_number_);
      text += " (os error ";
      append_decimal(text, static_cast<unsigned>(os_number_));
      text += ')';
      return text;
    }
    case Source::kind:
      return std::string(error_kind_name(kind_));
    case Source::message:
    case Source::custom:
      break;
  }
  return message_;
}

IoError write_zero_error() {
  return IoError::with_message(ErrorKind::WriteZero,
                               "failed to write whole buffer");
}

}  // namespace suite
