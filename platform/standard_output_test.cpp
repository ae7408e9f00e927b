#include "platform/standard_output.hpp"

#include <cerrno>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace suite {
namespace {

// A scripted descriptor: each write call takes the next reply (a byte count
// to accept, or a negative errno to fail with); with no reply left it takes
// everything. Every accepted chunk is recorded as one system call.
struct ScriptedDescriptor {
  std::deque<long> replies;
  std::vector<std::string> calls;
};
ScriptedDescriptor* scripted = nullptr;

ssize_t scripted_write(int, const void* bytes, size_t count) {
  long reply = static_cast<long>(count);
  if (!scripted->replies.empty()) {
    reply = scripted->replies.front();
    scripted->replies.pop_front();
  }
  if (reply < 0) {
    errno = static_cast<int>(-reply);
    return -1;
  }
  const size_t accepted = std::min(count, static_cast<size_t>(reply));
  if (accepted > 0) scripted->calls.emplace_back(static_cast<const char*>(bytes), accepted);
  return static_cast<ssize_t>(accepted);
}

class LineBufferedOutputTest : public ::testing::Test {
 protected:
  void SetUp() override { scripted = &descriptor; }
  void TearDown() override { scripted = nullptr; }

  ScriptedDescriptor descriptor;
  LineBufferedOutput output{99, &scripted_write};
};

TEST_F(LineBufferedOutputTest, TextUpToTheLastLineFeedGoesOutWithWhatWasBuffered) {
  ASSERT_TRUE(output.write("\nrunning 0 tests\n"));
  ASSERT_TRUE(output.write("half"));
  EXPECT_EQ(output.buffered(), "half");
  ASSERT_TRUE(output.write(" a line\nand a rest"));
  EXPECT_EQ(output.buffered(), "and a rest");
  ASSERT_TRUE(output.flush());
  ASSERT_TRUE(output.flush());  // nothing left: no system call
  EXPECT_EQ(descriptor.calls,
            (std::vector<std::string>{"\nrunning 0 tests\n", "half a line\n", "and a rest"}));
}

TEST_F(LineBufferedOutputTest, TextThatDoesNotFitIsWrittenAroundTheBuffer) {
  ASSERT_TRUE(output.write("head"));
  const std::string big(LineBufferedOutput::kCapacity, 'x');
  ASSERT_TRUE(output.write(big));
  EXPECT_EQ(output.buffered(), "");
  EXPECT_EQ(descriptor.calls, (std::vector<std::string>{"head", big}));
}

TEST_F(LineBufferedOutputTest, RepeatsPartialWritesAndRetriesInterruptions) {
  descriptor.replies = {3, -EINTR, 2, -EINTR, 100};
  ASSERT_TRUE(output.write("abcdefgh\n"));
  EXPECT_EQ(descriptor.calls, (std::vector<std::string>{"abc", "de", "fgh\n"}));
}

TEST_F(LineBufferedOutputTest, AWriteThatAcceptsNothingFailsWithWriteZero) {
  descriptor.replies = {2, 0};
  const IoResult<> result = output.write("abcd\n");
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().detailed(),
            R"(Error { kind: WriteZero, message: "failed to write whole buffer" })");
}

TEST_F(LineBufferedOutputTest, AFailedFlushKeepsTheBytesThatDidNotGoOut) {
  ASSERT_TRUE(output.write("abcdef"));
  descriptor.replies = {2, -EPIPE};
  const IoResult<> result = output.flush();
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind(), ErrorKind::BrokenPipe);
  EXPECT_EQ(output.buffered(), "cdef");
  ASSERT_TRUE(output.flush());
  EXPECT_EQ(descriptor.calls, (std::vector<std::string>{"ab", "cdef"}));
}

TEST_F(LineBufferedOutputTest, ALineLeftBehindByAFailedFlushGoesOutBeforeMoreText) {
  descriptor.replies = {-ENOSPC};
  ASSERT_TRUE(output.write("a"));
  ASSERT_FALSE(output.write("b\n"));
  EXPECT_EQ(output.buffered(), "ab\n");
  ASSERT_TRUE(output.write("c"));
  EXPECT_EQ(descriptor.calls, (std::vector<std::string>{"ab\n"}));
  EXPECT_EQ(output.buffered(), "c");
}

}  // namespace
}  // namespace suite
