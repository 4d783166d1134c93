#include "JackServer.h"

#include <RtMidi.h>

#include <chrono>
#include <fstream>
#include <cstdlib>
#include <sstream>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string findOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = dir + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool serverAnswers()
{
    try {
        // RtMidiOut leaks a buffer whenever it finds no server; RtMidiIn does not.
        RtMidiIn probe(RtMidi::UNIX_JACK, "tessarine-probe");
        probe.openVirtualPort("probe");
        return true;
    } catch (...) {
        return false;
    }
}


bool anyJackdRunning()
{
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return true;
    bool found = false;
    while (dirent* entry = ::readdir(proc)) {
        std::ifstream comm(std::string("/proc/") + entry->d_name + "/comm");
        std::string name;
        if (comm && std::getline(comm, name) && (name == "jackd" || name == "jackdmp"))
            found = true;
    }
    ::closedir(proc);
    return found;
}

// Servers killed without their clean-up leave their entry in JACK's shared server table, which
// has room for eight; an entry is only reclaimed by a server of the same name. Names are taken
// from a few fixed slots for that reason, and with no server running at all the leftovers of
// earlier runs are removed.
void removeLeftoversWhenIdle()
{
    if (anyJackdRunning())
        return;
    DIR* shm = ::opendir("/dev/shm");
    if (!shm)
        return;
    while (dirent* entry = ::readdir(shm)) {
        const std::string name = entry->d_name;
        if (name == "jack-shm-registry" || name.rfind("jack_sem.", 0) == 0 || name.rfind("jack-", 0) == 0)
            ::unlink(("/dev/shm/" + name).c_str());
    }
    ::closedir(shm);
}

} // namespace

std::unique_ptr<JackServer> JackServer::Start(std::string& whyNot)
{
    const std::string jackd = findOnPath("jackd");
    if (jackd.empty()) {
        whyNot = "jackd is not installed (scripts/install-deps installs jackd2)";
        return nullptr;
    }
    removeLeftoversWhenIdle();
    ::setenv("JACK_NO_START_SERVER", "1", 1);
    // A slot whose server is alive (another test program right now) makes jackd exit: next slot.
    for (int slot = 0; slot < 6; ++slot) {
        const std::string name = "tovin-test-" + std::to_string(slot);
        if (auto server = StartNamed(jackd, name, whyNot))
            return server;
    }
    return nullptr;
}

std::unique_ptr<JackServer> JackServer::StartNamed(const std::string& jackd, const std::string& name, std::string& whyNot)
{
    ::setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);

    const pid_t pid = ::fork();
    if (pid < 0) {
        whyNot = "fork failed";
        return nullptr;
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        // A long client time-out keeps slow (sanitised) clients from being thrown out.
        ::execl(jackd.c_str(), "jackd", "-n", name.c_str(), "--no-realtime", "-t", "10000", "-d", "dummy", "-r", "48000", "-p",
                "256", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::unique_ptr<JackServer> server(new JackServer(pid));

    // jackd is ready after about 0.3 s; poll it rather than guess.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            server->m_pid = -1;
            whyNot = "jackd exited at start (status " + std::to_string(status) + ")";
            return nullptr;
        }
        if (serverAnswers())
            return server;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    whyNot = "jackd did not answer within 5 s";
    return nullptr;
}

JackServer::~JackServer()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
}
