// GoogleTest's place for a platform's own settings, taken before its own
// header of the same name. The MinGW-w64 toolchain here uses the win32
// thread model, whose C++ library has no std::mutex or
// std::condition_variable; GoogleTest needs them only for its Notification,
// which this file provides with a Win32 event instead.
#ifndef FELDORA_GTEST_CUSTOM_PORT_H_
#define FELDORA_GTEST_CUSTOM_PORT_H_

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : m_event(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(m_event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(m_event); }
    void WaitForNotification() { WaitForSingleObject(m_event, INFINITE); }

private:
    HANDLE m_event;
};

}  // namespace internal
}  // namespace testing

#endif  // FELDORA_GTEST_CUSTOM_PORT_H_
