// GoogleTest configuration for MinGW's win32 thread model, which has no
// std::mutex in GCC 12. GoogleTest's Windows port brings its own mutexes; only
// its Notification (used by GoogleTest's own tests) needs the standard ones,
// so it is provided here without them.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() : notified_(false) {}
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) {
    }
  }

 private:
  volatile bool notified_;
};

}  // namespace internal
}  // namespace testing
