#include "device.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace emulator {

namespace {

std::string hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value & 0xffffu);
    return text;
}

bool number(const std::string &text, int base, long *value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    *value = std::strtol(text.c_str(), &end, base);
    return errno == 0 && end && *end == '\0';
}

// Holds the state directory's lock for as long as it lives: bus changes (a
// device leaving, coming back, its new device number) come from dfu-util runs
// and from tests at the same time.
class BusLock {
public:
    explicit BusLock(const std::string &stateDir)
        : fd(::open((stateDir + "/.bus.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
    {
        if (fd >= 0)
            while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~BusLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    BusLock(const BusLock &) = delete;
    BusLock &operator=(const BusLock &) = delete;

private:
    int fd;
};

// The next free device number, as a host controller hands them out.
int takeDevnum(const std::string &stateDir)
{
    std::string text;
    long next = 5;
    if (readFile(stateDir + "/next-devnum", &text)) {
        while (!text.empty() && (text.back() == '\n'))
            text.pop_back();
        if (!number(text, 10, &next) || next < 1 || next > 127)
            next = 5;
    }
    replaceFile(stateDir + "/next-devnum", std::to_string(next >= 127 ? 1 : next + 1) + "\n");
    return int(next);
}

} // namespace

Identity Identity::stm32f4()
{
    Identity identity;
    identity.altNames = {"@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg",
                         "@Option Bytes  /0x1FFFC000/01*016 e",
                         "@OTP Memory /0x1FFF7800/01*512 e,01*016 e",
                         "@Device Feature/0xFFFF0000/01*004 e"};
    return identity;
}

std::string Identity::text() const
{
    std::ostringstream out;
    out << "vendor=" << hex4(vendor) << "\nproduct=" << hex4(product) << "\nbcd_device=" << hex4(bcdDevice)
        << "\ndfu_version=" << hex4(dfuVersion) << "\nserial=" << serial << "\nport=" << port << "\n";
    for (const std::string &name : altNames)
        out << "alt=" << name << "\n";
    out << "timing=" << (realTiming ? "real" : "fast") << "\nreturn_after_ms=" << returnAfterMs
        << "\naccess=" << (accessDenied ? "denied" : "ok") << "\nserial_readable=" << (serialUnreadable ? "no" : "yes")
        << "\nerase=" << (eraseFails ? "fail" : "ok") << "\notp_read=" << (otpReadFails ? "fail" : "ok")
        << "\nleave_status=" << (leaveStatusLost ? "lost" : "ok") << "\ncorrupt_offset=" << corruptOffset
        << "\nvanish_download_block=" << vanishDownloadBlock << "\nvanish_upload_block=" << vanishUploadBlock << "\n";
    return out.str();
}

bool Identity::parse(const std::string &text, Identity *identity)
{
    Identity result;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            return false;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        long n = 0;
        if (key == "vendor" || key == "product" || key == "bcd_device" || key == "dfu_version") {
            if (!number(value, 16, &n) || n < 0 || n > 0xffff)
                return false;
            (key == "vendor" ? result.vendor : key == "product" ? result.product
                                           : key == "bcd_device" ? result.bcdDevice
                                                                 : result.dfuVersion) = uint16_t(n);
        } else if (key == "serial") {
            result.serial = value;
        } else if (key == "alt") {
            result.altNames.push_back(value);
        } else if (key == "timing") {
            result.realTiming = value != "fast";
        } else if (key == "access") {
            result.accessDenied = value == "denied";
        } else if (key == "serial_readable") {
            result.serialUnreadable = value == "no";
        } else if (key == "erase") {
            result.eraseFails = value == "fail";
        } else if (key == "otp_read") {
            result.otpReadFails = value == "fail";
        } else if (key == "leave_status") {
            result.leaveStatusLost = value == "lost";
        } else if (key == "port" || key == "return_after_ms" || key == "corrupt_offset"
                   || key == "vanish_download_block" || key == "vanish_upload_block") {
            if (!number(value, 10, &n))
                return false;
            if (key == "port")
                result.port = int(n);
            else if (key == "return_after_ms")
                result.returnAfterMs = int(n);
            else if (key == "corrupt_offset")
                result.corruptOffset = n;
            else if (key == "vanish_download_block")
                result.vanishDownloadBlock = int(n);
            else
                result.vanishUploadBlock = int(n);
        }
        // Unknown keys are left for newer versions of this file.
    }
    *identity = result;
    return true;
}

uint32_t Region::size() const
{
    uint32_t total = 0;
    for (uint32_t sector : sectors)
        total += sector;
    return total;
}

bool Region::sectorAt(uint32_t address, uint32_t *sectorStart, uint32_t *sectorSize) const
{
    if (address < start)
        return false;
    uint32_t at = start;
    for (uint32_t sector : sectors) {
        if (address - at < sector) {
            *sectorStart = at;
            *sectorSize = sector;
            return true;
        }
        at += sector;
    }
    return false;
}

// "@Name/0xADDRESS/NN*SSSu,NN*SSSu" with u a multiplier (K, M or blank) and
// then the type letter, as the DfuSe boot loaders name their alternate settings.
bool Region::parse(const std::string &altName, Region *region)
{
    Region result;
    const size_t first = altName.find('/');
    if (first == std::string::npos)
        return false;
    const size_t second = altName.find('/', first + 1);
    if (second == std::string::npos)
        return false;
    long start = 0;
    if (!number(altName.substr(first + 1, second - first - 1), 0, &start))
        return false;
    result.start = uint32_t(start);
    std::istringstream in(altName.substr(second + 1));
    std::string item;
    while (std::getline(in, item, ',')) {
        int count = 0, size = 0;
        char multiplier = ' ', type = 'a';
        if (std::sscanf(item.c_str(), "%d*%d%c%c", &count, &size, &multiplier, &type) != 4)
            return false;
        const uint32_t bytes = uint32_t(size) * (multiplier == 'K' ? 1024u : multiplier == 'M' ? 1048576u : 1u);
        const int code = type - 'a' + 1;
        if (count <= 0 || bytes == 0 || code < 1 || code > 7)
            return false;
        result.erasable = result.erasable || (code & 2);
        for (int i = 0; i < count; ++i)
            result.sectors.push_back(bytes);
    }
    if (result.sectors.empty())
        return false;
    *region = result;
    return true;
}

std::string memoryFile(int alt)
{
    static const char *const names[] = {"flash.bin", "option-bytes.bin", "otp.bin", "feature.bin"};
    return alt >= 0 && alt < 4 ? names[alt] : "alt" + std::to_string(alt) + ".bin";
}

std::string Presence::text() const
{
    return present ? "present " + std::to_string(devnum) + "\n" : "absent " + std::to_string(backAtMs) + "\n";
}

Presence Presence::parse(const std::string &text)
{
    Presence presence;
    char word[16] = {};
    long long value = 0;
    if (std::sscanf(text.c_str(), "%15s %lld", word, &value) == 2) {
        presence.present = std::strcmp(word, "present") == 0;
        if (presence.present)
            presence.devnum = int(value);
        else
            presence.backAtMs = value;
    } else {
        presence.present = false; // unreadable: not on the bus, until plugged in
    }
    return presence;
}

long long wallClockMs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return (long long)(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

bool readFile(const std::string &path, std::string *content)
{
    FILE *file = std::fopen(path.c_str(), "rbe");
    if (!file)
        return false;
    content->clear();
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content->append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool replaceFile(const std::string &path, const std::string &content)
{
    const size_t slash = path.rfind('/');
    const std::string temporary = path.substr(0, slash + 1) + "." + path.substr(slash + 1) + ".XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += size_t(n);
    }
    ::fchmod(fd, 0644);
    const bool ok = ::close(fd) == 0 && written == content.size() && std::rename(name.data(), path.c_str()) == 0;
    if (!ok)
        ::unlink(name.data());
    return ok;
}

void appendLine(const std::string &path, const std::string &line)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const std::string text = line + "\n";
    // One write: lines from concurrent runs never interleave.
    if (::write(fd, text.data(), text.size()) < 0) {
    }
    ::close(fd);
}

std::vector<std::string> deviceFolders(const std::string &stateDir)
{
    std::vector<std::string> folders;
    DIR *dir = ::opendir(stateDir.c_str());
    if (!dir)
        return folders;
    while (dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string folder = stateDir + "/" + entry->d_name;
        struct stat info{};
        if (::stat((folder + "/device.conf").c_str(), &info) == 0 && S_ISREG(info.st_mode))
            folders.push_back(folder);
    }
    ::closedir(dir);
    std::sort(folders.begin(), folders.end());
    return folders;
}

Presence readPresence(const std::string &folder)
{
    std::string text;
    return readFile(folder + "/presence", &text) ? Presence::parse(text) : Presence::parse("");
}

// After every arrival and departure a file in the state directory itself is
// replaced: watchers of the bus need not watch the device folders, whose
// memories change at every block written.
static void announceBusChange(const std::string &stateDir, const std::string &folder)
{
    replaceFile(stateDir + "/last-bus-change", folder + "\n");
}

void refreshPresence(const std::string &stateDir)
{
    const long long now = wallClockMs();
    for (const std::string &folder : deviceFolders(stateDir)) {
        const Presence presence = readPresence(folder);
        if (presence.present || presence.backAtMs == 0 || presence.backAtMs > now)
            continue;
        BusLock lock(stateDir);
        const Presence again = readPresence(folder); // another process may have been first
        if (!again.present && again.backAtMs != 0 && again.backAtMs <= now) {
            Presence back;
            back.devnum = takeDevnum(stateDir);
            std::remove((folder + "/dfu-state").c_str()); // powered up afresh: dfuIDLE
            replaceFile(folder + "/presence", back.text());
            announceBusChange(stateDir, folder);
        }
    }
}

void leaveBus(const std::string &stateDir, const std::string &folder, long long backAtMs)
{
    BusLock lock(stateDir);
    Presence gone;
    gone.present = false;
    gone.backAtMs = backAtMs;
    replaceFile(folder + "/presence", gone.text());
    announceBusChange(stateDir, folder);
}

bool plugIn(const std::string &stateDir, const std::string &folder)
{
    BusLock lock(stateDir);
    if (readPresence(folder).present)
        return false;
    Presence back;
    back.devnum = takeDevnum(stateDir);
    std::remove((folder + "/dfu-state").c_str()); // powered up afresh: dfuIDLE
    const bool plugged = replaceFile(folder + "/presence", back.text());
    announceBusChange(stateDir, folder);
    return plugged;
}

} // namespace emulator
