#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

// Another program may destroy a window of ours through the X server; Qt goes on as if
// it were still there. This watch tells when that happens to `window`.
class NativeWindowWatch : public QAbstractNativeEventFilter {
  public:
    NativeWindowWatch(const QWidget* window, std::function<void()> destroyed);
    ~NativeWindowWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    const QWidget* m_window;
    std::function<void()> m_destroyed;
};
