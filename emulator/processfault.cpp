#include "processfault.h"

#include "device.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>
#include <vector>

namespace emulator {

namespace {

FaultKind active = FaultKind::None;
int strikeBlock = 0;        // the data block a transfer fault strikes at
long long writtenToFiles = 0;
std::string uploadFile;       // the file a read goes to, as dfu-util was given it
constexpr long long roomOnDisk = 20 * 1024;
constexpr int hangMs = 35000; // past the tool's first wait of 30 s

std::vector<std::string> arguments()
{
    std::string all;
    readFile("/proc/self/cmdline", &all);
    std::vector<std::string> list;
    size_t start = 0;
    for (size_t end; (end = all.find('\0', start)) != std::string::npos; start = end + 1)
        list.push_back(all.substr(start, end - start));
    return list;
}

FaultKind kindNamed(const std::string &name)
{
    static const std::pair<const char *, FaultKind> kinds[] = {
        {"crash", FaultKind::Crash}, {"hang", FaultKind::Hang},     {"garbage", FaultKind::Garbage},
        {"silent", FaultKind::Silent}, {"short", FaultKind::Short}, {"vanish", FaultKind::Vanish},
        {"full", FaultKind::Full},
    };
    for (const auto &kind : kinds)
        if (name == kind.first)
            return kind.second;
    return FaultKind::None;
}

[[noreturn]] void crash()
{
    std::fflush(nullptr);
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
    std::_Exit(139);
}

} // namespace

std::string commandOfThisRun()
{
    const std::vector<std::string> args = arguments();
    bool upload = false;
    std::string alt, address;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-l")
            return "list";
        if (args[i] == "-D")
            return "download";
        if (args[i] == "-U") {
            upload = true;
            if (i + 1 < args.size())
                uploadFile = args[i + 1];
        }
        if (args[i] == "-a" && i + 1 < args.size())
            alt = args[i + 1];
        if (args[i] == "-s" && i + 1 < args.size())
            address = args[i + 1];
    }
    if (!upload)
        return "";
    if (alt == "2")
        return "otp";
    return address.find(":2048") != std::string::npos ? "fwinfo" : "readback";
}

void takeProcessFault(const std::string &stateDir)
{
    if (stateDir.empty() || active != FaultKind::None)
        return;
    const std::string file = stateDir + "/fault";
    std::string line;
    if (!readFile(file, &line))
        return;
    const size_t space = line.find(' ');
    if (space == std::string::npos)
        return;
    std::string command = line.substr(space + 1);
    while (!command.empty() && (command.back() == '\n' || command.back() == ' '))
        command.pop_back();
    const std::string thisRun = commandOfThisRun();
    if (command != thisRun || std::rename(file.c_str(), (file + ".done").c_str()) != 0)
        return;
    active = kindNamed(line.substr(0, space));
    // A read of the OTP area or of the firmware information is one block; the
    // write and the read-back are cut in their tenth.
    strikeBlock = command == "download" || command == "readback" ? 10 : 1;

    switch (active) {
    case FaultKind::Hang:
        std::this_thread::sleep_for(std::chrono::milliseconds(hangMs));
        active = FaultKind::None;
        break;
    case FaultKind::Garbage: {
        // Binary noise with NUL bytes, invalid UTF-8, carriage returns and
        // the start of a listing line, then a normal exit.
        std::string noise = "Found DFU: [0483:df11] ver=\r\xff\xfe";
        noise += std::string("\0\x01\x80\xc3(\x1b[2J", 10);
        for (int i = 0; i < 256; ++i)
            noise += char((i * 73 + 11) & 0xff);
        std::fwrite(noise.data(), 1, noise.size(), stdout);
        std::fflush(stdout);
        std::_Exit(0);
    }
    case FaultKind::Silent:
        std::_Exit(0);
    case FaultKind::Crash:
        if (thisRun == "list")
            crash();
        break;
    default:
        break;
    }
}

FaultKind faultAtDataBlock(int n)
{
    if (n != strikeBlock || active == FaultKind::Full)
        return FaultKind::None;
    if (active == FaultKind::Crash)
        crash();
    return active;
}

bool resetsAtOpen()
{
    if (active != FaultKind::Vanish || commandOfThisRun() != "list")
        return false;
    active = FaultKind::None;
    return true;
}

bool diskFullFor(int fd, size_t count)
{
    if (active != FaultKind::Full || fd <= STDERR_FILENO || uploadFile.empty())
        return false;
    // Only the upload file: the device's own files in the state directory
    // are written through the same call.
    char target[4096];
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
    if (length <= 0)
        return false;
    const std::string path(target, size_t(length));
    const size_t nameStart = uploadFile.find_last_of('/');
    const std::string name = nameStart == std::string::npos ? uploadFile : uploadFile.substr(nameStart + 1);
    if (path.size() < name.size() || path.compare(path.size() - name.size(), name.size(), name) != 0)
        return false;
    if (writtenToFiles + (long long)count > roomOnDisk)
        return true;
    writtenToFiles += (long long)count;
    return false;
}

} // namespace emulator
