#pragma once

#include <memory>
#include <string>

#include <sys/types.h>

// A JACK server of the test's own (dummy driver, no sound hardware, no realtime), reached by
// the clients of this process through JACK_DEFAULT_SERVER. Killed when destroyed, and with the
// test process if that dies first.
class JackServer
{
public:
    // Null with the reason when jackd is missing or does not come up.
    static std::unique_ptr<JackServer> Start(std::string& whyNot);
    ~JackServer();

    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

private:
    explicit JackServer(pid_t pid) : m_pid(pid) {}
    static std::unique_ptr<JackServer> StartNamed(const std::string& jackd, const std::string& name, std::string& whyNot);
    pid_t m_pid;
};
