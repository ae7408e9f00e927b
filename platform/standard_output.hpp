#pragma once
// The process's standard output: line-buffered, written without stdio.

#include <cstddef>
#include <pthread.h>
#include <string_view>
#include <unistd.h>

#include "platform/io_error.hpp"
#include "platform/write_all.hpp"

namespace suite {

// A descriptor behind a line buffer of 1024 bytes. What a write brings up to
// its last line feed goes out at once, together with what was buffered
// before it; the rest waits for a later line feed, a full buffer or flush().
class LineBufferedOutput {
 public:
  // The size of the buffer.
  static constexpr std::size_t kCapacity = 1024;

  // An output on `descriptor`, writing through `call`.
  constexpr explicit LineBufferedOutput(int descriptor,
                                        WriteCall call = &::write)
      : descriptor_(descriptor), call_(call) {}

  LineBufferedOutput(const LineBufferedOutput&) = delete;
  LineBufferedOutput& operator=(const LineBufferedOutput&) = delete;

  // Writes all of `text`, as far as line buffering lets it go out.
  IoResult<> write(std::string_view text);
  // Writes out whatever is buffered.
  IoResult<> flush();
  // The bytes waiting in the buffer.
  std::string_view buffered() const { return {buffer_, size_}; }

 private:
  IoResult<> write_buffered(std::string_view text);
  IoResult<> write_direct(std::string_view text);

  int descriptor_;
  WriteCall call_;
  std::size_t size_ = 0;
  char buffer_[kCapacity] = {};
};

// Holds the lock of a standard stream for its lifetime. The lock is
// recursive, so a holder may write through the stream's own locking calls.
class [[nodiscard]] StreamLock {
 public:
  // Takes `mutex`, waiting for other threads to release it.
  explicit StreamLock(pthread_mutex_t& mutex);
  ~StreamLock();
  // Moves the hold; the moved-from lock releases nothing.
  StreamLock(StreamLock&& other) noexcept;
  StreamLock& operator=(StreamLock&&) = delete;

 private:
  pthread_mutex_t* mutex_;
};

// Standard output (descriptor 1): each call takes the stream's lock.
class StandardOutput {
 public:
  // Writes all of `text` through the line buffer.
  IoResult<> write(std::string_view text);
  // Writes out whatever is buffered.
  IoResult<> flush();
  // Holds the lock across several calls, e.g. for a whole listing.
  StreamLock lock();
};

// The process's standard output.
StandardOutput& standard_output();

// The lock of standard error, which is written unbuffered.
pthread_mutex_t& standard_error_mutex();

// Writes `text` to standard error at once, under its lock.
IoResult<> write_standard_error(std::string_view text);

}  // namespace suite
