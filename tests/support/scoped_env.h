#pragma once
// Sets environment variables for one test and puts the old values back.
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A null value unsets the variable. Windows' C library has no setenv; its
// _putenv_s changes the process's environment as SDL reads it too.
inline void SetEnvVar(const std::string& name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name.c_str(), value ? value : "");
#else
    if (value) setenv(name.c_str(), value, 1);
    else unsetenv(name.c_str());
#endif
}

class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            SetEnvVar(it->first, it->second ? it->second->c_str() : nullptr);
        }
    }
    // A null value unsets the variable.
    void set(const std::string& name, const char* value)
    {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        SetEnvVar(name, value);
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
