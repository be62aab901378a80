#pragma once

#include <QString>
#include <optional>
#include <utility>

// A value or the reason why there is none: how readers and builders report failure
// without exceptions or output parameters. A reason the user reads is a LocalText.
template <typename T, typename Reason = QString> class Outcome {
  public:
    static Outcome success(T value) {
        Outcome o;
        o.m_value = std::move(value);
        return o;
    }
    static Outcome failure(Reason reason) {
        Outcome o;
        o.m_reason = std::move(reason);
        return o;
    }

    bool ok() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    const Reason& reason() const { return m_reason; }

  private:
    std::optional<T> m_value;
    Reason m_reason;
};
