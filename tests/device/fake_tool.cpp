// A scriptable stand-in for dfu-util. Its arguments are read in order:
//   --out TEXT       write TEXT to standard output at once (unbuffered)
//   --out-nul        write "before", a NUL byte and "after" to standard output
//   --err TEXT       write TEXT to standard error
//   --err-from FILE  write FILE's content (if any) to standard error
//   --out-from FILE  write FILE's content (if any) to standard output
//   --sleep MS       sleep
//   --args-to FILE   write every argument, each followed by a NUL byte, to FILE
//   --pgid-to FILE   write "PID PGID" of this process to FILE
//   --sigpipe-to FILE  write "ignored" or "default", this process's SIGPIPE disposition, to FILE
//   --fds-to FILE    write what each open file descriptor refers to, one a line, to FILE
//   --crash          die by a signal
//   --exit N         exit code at the end (default 0)
//   --upload-from F  at the end, act like dfu-util -U: copy at most the length of
//                    "-s ADDRESS:LENGTH" bytes of F to the file after "-U"
//                    (all of F when no length is given)
// Anything else is ignored, so callers can append their own arguments.

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include <dirent.h>
#include <time.h>
#include <unistd.h>

namespace {
void writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written <= 0)
            return;
        data += written;
        size -= size_t(written);
    }
}
} // namespace

void upload(const char *source, int argc, char *argv[])
{
    long length = -1;
    const char *destination = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-s") == 0) {
            const char *colon = std::strchr(argv[i + 1], ':');
            if (colon)
                length = std::atol(colon + 1);
        } else if (std::strcmp(argv[i], "-U") == 0) {
            destination = argv[i + 1];
        }
    }
    if (!destination)
        return;
    std::ifstream in(source, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (length >= 0 && size_t(length) < bytes.size())
        bytes.resize(size_t(length));
    std::ofstream(destination, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

int main(int argc, char *argv[])
{
    int exitCode = 0;
    const char *uploadSource = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--out" && hasValue) {
            writeAll(1, argv[i + 1], std::strlen(argv[i + 1]));
            ++i;
        } else if (arg == "--out-nul") {
            writeAll(1, "before\0after", 12);
        } else if (arg == "--err" && hasValue) {
            writeAll(2, argv[i + 1], std::strlen(argv[i + 1]));
            ++i;
        } else if ((arg == "--err-from" || arg == "--out-from") && hasValue) {
            std::ifstream in(argv[++i], std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            writeAll(arg == "--err-from" ? 2 : 1, text.data(), text.size());
        } else if (arg == "--sleep" && hasValue) {
            const long ms = std::atol(argv[++i]);
            timespec delay{ms / 1000, (ms % 1000) * 1000000L};
            nanosleep(&delay, nullptr);
        } else if (arg == "--args-to" && hasValue) {
            std::ofstream file(argv[i + 1], std::ios::binary);
            for (int j = 1; j < argc; ++j)
                file.write(argv[j], std::streamsize(std::strlen(argv[j]) + 1));
            ++i;
        } else if (arg == "--pgid-to" && hasValue) {
            std::ofstream(argv[++i]) << getpid() << ' ' << getpgid(0);
        } else if (arg == "--sigpipe-to" && hasValue) {
            struct sigaction current = {};
            sigaction(SIGPIPE, nullptr, &current);
            std::ofstream(argv[++i]) << (current.sa_handler == SIG_IGN ? "ignored" : "default");
        } else if (arg == "--fds-to" && hasValue) {
            std::ofstream file(argv[++i]);
            if (DIR *fds = opendir("/proc/self/fd")) {
                while (const dirent *entry = readdir(fds)) {
                    char target[512] = {};
                    const std::string link = std::string("/proc/self/fd/") + entry->d_name;
                    if (entry->d_name[0] != '.' && readlink(link.c_str(), target, sizeof target - 1) > 0)
                        file << entry->d_name << ' ' << target << '\n';
                }
                closedir(fds);
            }
        } else if (arg == "--crash") {
            std::signal(SIGSEGV, SIG_DFL);
            std::raise(SIGKILL);
        } else if (arg == "--exit" && hasValue) {
            exitCode = std::atoi(argv[++i]);
        } else if (arg == "--upload-from" && hasValue) {
            uploadSource = argv[++i];
        }
    }
    if (uploadSource)
        upload(uploadSource, argc, argv);
    return exitCode;
}
