#include "platform/standard_output.hpp"

#include <cstring>

namespace suite {

IoResult<> LineBufferedOutput::write(std::string_view text) {
  const std::size_t last_line_feed = text.rfind('\n');
  if (last_line_feed == std::string_view::npos) {
    // A completed line left behind by a failed flush goes out before more
    // text is added behind it.
    if (size_ > 0 && buffer_[size_ - 1] == '\n') SUITE_TRY(flush());
    return write_buffered(text);
  }

  const std::string_view lines = text.substr(0, last_line_feed + 1);
  const std::string_view rest = text.substr(last_line_feed + 1);
  if (size_ == 0) {
    SUITE_TRY(write_direct(lines));
  } else {
    SUITE_TRY(write_buffered(lines));
    SUITE_TRY(flush());
  }
  return write_buffered(rest);
}

IoResult<> LineBufferedOutput::flush() {
  std::size_t written = 0;
  IoResult<> result = write_all(descriptor_, buffered(), call_, written);
  // Whatever went out leaves the buffer, even when the rest failed.
  std::memmove(buffer_, buffer_ + written, size_ - written);
  size_ -= written;
  return result;
}

IoResult<> LineBufferedOutput::write_buffered(std::string_view text) {
  if (text.size() > kCapacity - size_) SUITE_TRY(flush());
  if (text.size() >= kCapacity) return write_direct(text);
  std::memcpy(buffer_ + size_, text.data(), text.size());
  size_ += text.size();
  return {};
}

IoResult<> LineBufferedOutput::write_direct(std::string_view text) {
  std::size_t written = 0;
  return write_all(descriptor_, text, call_, written);
}

StreamLock::StreamLock(pthread_mutex_t& mutex) : mutex_(&mutex) {
  pthread_mutex_lock(mutex_);
}

StreamLock::StreamLock(StreamLock&& other) noexcept : mutex_(other.mutex_) {
  other.mutex_ = nullptr;
}

StreamLock::~StreamLock() {
  if (mutex_ != nullptr) pthread_mutex_unlock(mutex_);
}

namespace {

constinit LineBufferedOutput standard_output_buffer(STDOUT_FILENO);
constinit pthread_mutex_t standard_output_mutex =
    PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;
constinit pthread_mutex_t standard_error_lock =
    PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;
constinit StandardOutput standard_output_stream;

}  // namespace

IoResult<> StandardOutput::write(std::string_view text) {
  const StreamLock held(standard_output_mutex);
  return standard_output_buffer.write(text);
}

IoResult<> StandardOutput::flush() {
  const StreamLock held(standard_output_mutex);
  return standard_output_buffer.flush();
}

StreamLock StandardOutput::lock() { return StreamLock(standard_output_mutex); }

StandardOutput& standard_output() { return standard_output_stream; }

pthread_mutex_t& standard_error_mutex() { return standard_error_lock; }

IoResult<> write_standard_error(std::string_view text) {
  const StreamLock held(standard_error_lock);
  std::size_t written = 0;
  return write_all(STDERR_FILENO, text, &::write, written);
}

}  // namespace suite
