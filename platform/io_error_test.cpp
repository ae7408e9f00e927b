#include "platform/io_error.hpp"

#include <cerrno>
#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(IoError, MapsEveryListedErrorNumberToItsKind) {
  struct Case {
    int number;
    std::string_view kind;
  };
  const Case cases[] = {
      {1, "PermissionDenied"},   {13, "PermissionDenied"},
      {2, "NotFound"},           {4, "Interrupted"},
      {7, "ArgumentListTooLong"}, {11, "WouldBlock"},
      {12, "OutOfMemory"},       {16, "ResourceBusy"},
      {17, "AlreadyExists"},     {18, "CrossesDevices"},
      {20, "NotADirectory"},     {21, "IsADirectory"},
      {22, "InvalidInput"},      {26, "ExecutableFileBusy"},
      {27, "FileTooLarge"},      {28, "StorageFull"},
      {29, "NotSeekable"},       {30, "ReadOnlyFilesystem"},
      {31, "TooManyLinks"},      {32, "BrokenPipe"},
      {35, "Deadlock"},          {36, "InvalidFilename"},
      {38, "Unsupported"},       {95, "Unsupported"},
      {39, "DirectoryNotEmpty"}, {40, "FilesystemLoop"},
      {98, "AddrInUse"},         {99, "AddrNotAvailable"},
      {100, "NetworkDown"},      {101, "NetworkUnreachable"},
      {103, "ConnectionAborted"}, {104, "ConnectionReset"},
      {107, "NotConnected"},     {110, "TimedOut"},
      {111, "ConnectionRefused"}, {113, "HostUnreachable"},
      {115, "InProgress"},       {116, "StaleNetworkFileHandle"},
      {122, "QuotaExceeded"},    {3, "Uncategorized"},
      {5, "Uncategorized"},      {9, "Uncategorized"},
      {0, "Uncategorized"},      {9999, "Uncategorized"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(error_kind_name(error_kind_of_errno(c.number)), c.kind) << c.number;
}

TEST(IoError, ShowsEachSourceInItsDetailedAndShortForm) {
  const IoError pipe = IoError::from_os(EPIPE);
  EXPECT_EQ(pipe.detailed(),
            R"(Os { code: 32, kind: BrokenPipe, message: "Broken pipe" })");
  EXPECT_EQ(pipe.short_form(), "Broken pipe (os error 32)");

  const IoError full = IoError::from_os(ENOSPC);
  EXPECT_EQ(full.short_form(), "No space left on device (os error 28)");

  const IoError unknown = IoError::from_os(4242);
  EXPECT_EQ(unknown.detailed(),
            R"(Os { code: 4242, kind: Uncategorized, message: "Unknown error 4242" })");

  EXPECT_EQ(write_zero_error().detailed(),
            R"(Error { kind: WriteZero, message: "failed to write whole buffer" })");
  EXPECT_EQ(write_zero_error().short_form(), "failed to write whole buffer");

  EXPECT_EQ(IoError::from_kind(ErrorKind::InvalidData).detailed(), "Kind(InvalidData)");

  const IoError wrapped = IoError::custom(ErrorKind::InvalidData, "stack is empty");
  EXPECT_EQ(wrapped.detailed(),
            R"(Custom { kind: InvalidData, error: "stack is empty" })");
  EXPECT_EQ(wrapped.short_form(), "stack is empty");
}

}  // namespace
}  // namespace suite
