#pragma once
#include <cstdlib>
#include <optional>
#include <string>

// Sets (or, given nothing, removes) an environment variable for the length of a test, and puts back
// what it was, so that one test's settings never reach the next.
class TScopedEnv {
  public:
    TScopedEnv(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~TScopedEnv()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};
