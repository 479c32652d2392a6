// GoogleTest's start signal for the threads of its own tests, made of a Windows event. The
// Windows tree's compiler (the win32 thread model) has no std::mutex or std::condition_variable,
// which GoogleTest's version needs; GoogleTest is built with this header forced in and
// GTEST_HAS_NOTIFICATION_ set, and so is every test that includes its headers.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { ::CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { ::SetEvent(event_); }
  void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal
