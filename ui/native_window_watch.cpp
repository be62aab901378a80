#include "ui/native_window_watch.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdint>

namespace {
// The X11 DestroyNotify event as the xcb connection delivers it; the layout is fixed by
// the X protocol, so the xcb headers are not needed for it.
struct DestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t kDestroyNotify = 17;
constexpr std::uint8_t kSentEventBit = 0x80;
} // namespace

NativeWindowWatch::NativeWindowWatch(const QWidget* window, std::function<void()> destroyed)
    : m_window(window), m_destroyed(std::move(destroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

NativeWindowWatch::~NativeWindowWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool NativeWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const DestroyNotify*>(message);
    const WId id = m_window->internalWinId();
    if ((event->responseType & ~kSentEventBit) == kDestroyNotify && id != 0 && event->window == id)
        m_destroyed();
    return false;
}
