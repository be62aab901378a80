#pragma once

#include <QString>
#include <optional>
#include <utility>

// A value or the reason why there is none: how readers and builders report failure
// without exceptions or output parameters.
template <typename T> class Outcome {
  public:
    static Outcome success(T value) {
        Outcome o;
        o.m_value = std::move(value);
        return o;
    }
    static Outcome failure(QString reason) {
        Outcome o;
        o.m_reason = std::move(reason);
        return o;
    }

    bool ok() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    const QString& reason() const { return m_reason; }

  private:
    std::optional<T> m_value;
    QString m_reason;
};
