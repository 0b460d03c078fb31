#pragma once

#include <QByteArray>
#include <map>
#include <optional>

// Sets environment variables for its lifetime and puts the old values back.
class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const char* name, const QByteArray& value);

  private:
    std::map<QByteArray, std::optional<QByteArray>> saved_;
};
