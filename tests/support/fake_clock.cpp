#include "tests/support/fake_clock.h"

void FakeClock::after(int ms, std::function<void()> then) {
    if (ms > 0)
        m_realWaits.append(ms);
    m_pending.emplace(m_now + ms, std::move(then));
}

bool FakeClock::step() {
    if (m_pending.empty())
        return false;
    auto next = m_pending.begin();
    m_now = next->first;
    std::function<void()> then = std::move(next->second);
    m_pending.erase(next);
    then();
    return true;
}
