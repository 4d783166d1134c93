// qjx1-sim: the simulated instrument as its own program, on real MIDI ports of the system (the
// ALSA sequencer, or JACK), so an editor in another process finds it as it finds the hardware.
//
//   qjx1-sim [--api alsa|jack] [--name NAME] [--pace MS] [--silent] [--stop-at M.B]
//            [--drop M.B] [--late-power-off MS] [--block5-first] [--quiet]
//
// Commands on standard input, one per line: select N, change, firmware, play NOTE VELOCITY,
// state, quit. Every message received is printed with its time.

#include "Qjx1Device.h"

#include <rtmidi/RtMidi.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace {

std::atomic<bool> g_quit{false};

void OnSignal(int)
{
    g_quit = true;
}

struct Options
{
    RtMidi::Api api = RtMidi::UNSPECIFIED;
    std::string name = "ZELVO USB MIDI";
    Qjx1Knobs knobs;
    bool quiet = false;
};

bool ParseBlock(const char* text, int& id)
{
    int memory = -1, block = -1;
    if (std::sscanf(text, "%d.%d", &memory, &block) != 2 || memory < 0 || memory > 4 || block < 0 || block > 6)
        return false;
    id = 7 * memory + block;
    return true;
}

int Usage()
{
    std::cerr << "usage: qjx1-sim [--api alsa|jack] [--name NAME] [--pace MS] [--silent] [--stop-at M.B]\n"
                 "                [--drop M.B] [--late-power-off MS] [--block5-first] [--quiet]\n";
    return 2;
}

std::string Hex(const std::vector<unsigned char>& bytes)
{
    std::string text;
    char buffer[4];
    for (unsigned char b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", b);
        text += buffer;
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

RtMidi::Api DefaultApi()
{
    struct stat info{};
    // Without the ALSA sequencer device, JACK is the only MIDI system RtMidi can use here.
    return stat("/dev/snd/seq", &info) == 0 ? RtMidi::LINUX_ALSA : RtMidi::UNIX_JACK;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--api" && hasValue) {
            const std::string api = argv[++i];
            if (api == "alsa")
                options.api = RtMidi::LINUX_ALSA;
            else if (api == "jack")
                options.api = RtMidi::UNIX_JACK;
            else
                return Usage();
        } else if (arg == "--name" && hasValue) {
            options.name = argv[++i];
        } else if (arg == "--pace" && hasValue) {
            options.knobs.paceMs = std::atoi(argv[++i]);
        } else if (arg == "--late-power-off" && hasValue) {
            options.knobs.autoPowerOffDelayMs = std::atoi(argv[++i]);
        } else if (arg == "--silent") {
            options.knobs.silent = true;
        } else if (arg == "--block5-first") {
            options.knobs.block5Before4 = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if ((arg == "--stop-at" || arg == "--drop") && hasValue) {
            int id = 0;
            if (!ParseBlock(argv[++i], id))
                return Usage();
            (arg == "--stop-at" ? options.knobs.stopAtBlock : options.knobs.dropBlock) = id;
        } else {
            return Usage();
        }
    }
    if (options.api == RtMidi::UNSPECIFIED)
        options.api = DefaultApi();

    std::unique_ptr<RtMidiIn> in;
    std::unique_ptr<RtMidiOut> out;
    std::mutex outMutex;
    Qjx1Device device([&](const Qjx1Bytes& bytes) {
        std::lock_guard lock(outMutex);
        if (!out)
            return;
        try {
            out->sendMessage(&bytes);
        } catch (const RtMidiError& e) {
            std::cerr << "qjx1-sim: send failed: " << e.getMessage() << "\n";
        }
    });
    device.SetKnobs(options.knobs);

    struct CallbackData
    {
        Qjx1Device* device;
        bool quiet;
    } callbackData{&device, options.quiet};
    const auto onMessage = [](double, std::vector<unsigned char>* message, void* user) {
        auto* data = static_cast<CallbackData*>(user);
        if (!message || message->empty())
            return;
        data->device->OnReceived(*message);
        if (!data->quiet)
            std::cout << "<- " << Hex(*message) << std::endl;
    };
    try {
        in = std::make_unique<RtMidiIn>(options.api, options.name, 1024);
        in->ignoreTypes(false, true, true);
        // Everything the callback reads exists before the port (and its thread) does.
        in->setCallback(onMessage, &callbackData);
        std::lock_guard lock(outMutex);
        out = std::make_unique<RtMidiOut>(options.api, options.name);
        in->openVirtualPort(options.name + " In");
        out->openVirtualPort(options.name + " Out");
    } catch (const RtMidiError& e) {
        std::cerr << "qjx1-sim: cannot open MIDI ports: " << e.getMessage() << "\n";
        return 1;
    }

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cout << "qjx1-sim: ports \"" << options.name << " In\" and \"" << options.name << " Out\" on "
              << RtMidi::getApiName(options.api) << std::endl;

    // Commands come from standard input; without one (a pipe closed, a service) it just runs.
    std::thread commands([&] {
        std::string line;
        while (!g_quit && std::getline(std::cin, line)) {
            std::istringstream words(line);
            std::string command;
            words >> command;
            if (command == "select") {
                int memory = 0;
                words >> memory;
                device.SelectMemoryOnPanel(memory);
            } else if (command == "change") {
                device.AnnounceDataChange();
            } else if (command == "firmware") {
                device.AnnounceFirmwareUpdate();
            } else if (command == "play") {
                int note = 60, velocity = 100;
                words >> note >> velocity;
                device.PlayNote(note, velocity);
            } else if (command == "state") {
                const auto state = device.GetState();
                std::cout << "memory " << state.currentMemory << ", auto power-off " << state.autoPowerOff
                          << ", exit received " << device.ExitReceived() << std::endl;
            } else if (command == "quit") {
                g_quit = true;
            } else if (!command.empty()) {
                std::cout << "commands: select N, change, firmware, play NOTE VELOCITY, state, quit" << std::endl;
            }
        }
    });
    commands.detach();

    while (!g_quit)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    in->cancelCallback();
    device.DropPending();
    return 0;
}
