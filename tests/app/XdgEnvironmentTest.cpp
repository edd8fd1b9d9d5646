#include "app/XdgEnvironment.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

// Sets the variables for one test and puts the old values back after it.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, value] : values) {
            m_saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            if (value)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }
    ~Environment() {
        for (const Saved& saved : m_saved) {
            if (saved.set)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
        }
    }

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> m_saved;
};

TEST(XdgEnvironment, RelativePathsAreIgnoredAndAMissingHomeIsTheUsers) {
    const Environment environment{
        {"XDG_CONFIG_HOME", "config"},   {"XDG_CACHE_HOME", "cache"},
        {"XDG_STATE_HOME", "./state"},   {"XDG_RUNTIME_DIR", "run"},
        {"XDG_DATA_HOME", "/data/home"}, {"XDG_DATA_DIRS", "share:/usr/share:./more"},
        {"XDG_CONFIG_DIRS", "etc"},      {"HOME", nullptr}};
    followXdgRules();
    for (const char* relative :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})
        EXPECT_FALSE(qEnvironmentVariableIsSet(relative)) << relative;
    EXPECT_EQ(qgetenv("XDG_DATA_HOME"), "/data/home");
    EXPECT_EQ(qgetenv("XDG_DATA_DIRS"), "/usr/share");
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS"));
    EXPECT_EQ(qgetenv("HOME"), QByteArray(::getpwuid(::getuid())->pw_dir));
}

} // namespace
