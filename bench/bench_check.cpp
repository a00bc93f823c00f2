// How fast and how lean the command line's script tools are on big inputs:
// `quelmar --check` on a 50 MB script of real-world shape, and
// `quelmar --fix-keys` on scripts with 80,000 and 160,000 names to fix (the
// pair shows whether the time grows in step with the input); then the peak
// memory of both on endless input (/dev/zero) and of --check on a 1 GiB
// sparse file with a line at each end, which streaming keeps at the size
// of a small script's. Each run is the
// real program in a child process; its time is the wall clock and its peak
// memory the kernel's count of the child's peak resident set. Prints
// figures, never fails on them.
//
// Usage: bench_check [path/to/quelmar]   (default: the one built beside it)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Run {
    double seconds = 0;
    double cpuSeconds = 0; // user and system: what the wall clock shows on an idle machine
    double peakMb = 0;
    int status = -1;
};

Run runQuietly(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakMb = usage.ru_maxrss / 1024.0;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// One stretch of a player's script: a userconfig's binds and one-liners,
// aliases with + and -, comments, settings, a buy bind and two key names the
// console turns down; CR LF line ends.
const char* const kStretch = "// --- binds ---\r\n"
                             "unbindall\r\n"
                             "bind \"MOUSE1\" \"+attack\"\r\n"
                             "bind \"`\" \"toggleconsole\"\r\n"
                             "bind \"~\" \"toggleconsole\"\r\n"
                             "alias +jt \"+jump; -attack\"; alias -jt \"-jump\"; bind j +jt\r\n"
                             "bind \"F1\" \"ak47\"; bind \"F2\" \"m4a1\" // rifles\r\n"
                             "alias buy_awp \"buy; menuselect 4; menuselect 6; ammo1\"\r\n"
                             "bind \"F3\" \"1-1;ammo1;reset\"\r\n"
                             "bind \"Num 0\" \"+duck\"\r\n"
                             "bind \"Page Up\" \"+jump\"\r\n"
                             "sensitivity \"2.5\"; m_rawinput \"1\"\r\n"
                             "cl_crosshair_color \"50 250 50\"\r\n"
                             "\r\n";

std::size_t writeScript(const std::string& path, std::size_t bytes, std::size_t* lines) {
    std::ofstream file(path, std::ios::binary);
    const std::string stretch = kStretch;
    std::size_t written = 0;
    *lines = 0;
    const std::size_t perStretch = 14;
    while (written < bytes) {
        file << stretch;
        written += stretch.size();
        *lines += perStretch;
    }
    return written;
}

void writeNames(const std::string& path, int count) {
    static const char* const names[] = {"Num 0",   "Num 1",      "Num 2",  "Num 3",  "Num 4",
                                        "Num 5",   "Num 6",      "Num 7",  "Num 8",  "Num 9",
                                        "Page Up", "Page Down",  "Insert", "Backup", "Num -",
                                        "Num /",   "Scroll Lock"};
    std::ofstream file(path, std::ios::binary);
    for (int i = 0; i < count; ++i)
        file << "bind \"" << names[i % 17] << "\" \"+duck\"\r\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::string quelmar = argc > 1 ? argv[1] : QUELMAR_BINARY;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quelmar-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    std::size_t lines = 0;
    const std::string script = (dir / "big.cfg").string();
    const double mb = writeScript(script, 50u << 20, &lines) / 1048576.0;
    const Run check = runQuietly({quelmar, "--check", script});
    std::printf("--check on a %.1f MB script of %zu lines: %.2f s (CPU %.2f s), %.0f lines/s "
                "(%.0f per CPU second), peak %.0f MB (%.1f x the file), status %d\n",
                mb, lines, check.seconds, check.cpuSeconds, lines / check.seconds,
                lines / check.cpuSeconds, check.peakMb, check.peakMb / mb, check.status);

    for (int names : {80000, 160000}) {
        const std::string in = (dir / "names.cfg").string();
        writeNames(in, names);
        const Run fix = runQuietly({quelmar, "--fix-keys", in, (dir / "fixed.cfg").string()});
        std::printf("--fix-keys with %d names to fix: %.3f s (CPU %.3f s), peak %.0f MB, "
                    "status %d\n",
                    names, fix.seconds, fix.cpuSeconds, fix.peakMb, fix.status);
    }
    const std::string sparse = (dir / "sparse.cfg").string();
    {
        std::ofstream file(sparse, std::ios::binary);
        file << "bind F1 ak47\n";
        file.seekp((1 << 30) - 13);
        file << "bind F2 m4a1\n";
    }
    const std::vector<std::vector<std::string>> endless = {
        {quelmar, "--check", "/dev/zero"},
        {quelmar, "--fix-keys", "/dev/zero", (dir / "fixed.cfg").string()},
        {quelmar, "--check", sparse},
    };
    for (const std::vector<std::string>& arguments : endless) {
        const Run run = runQuietly(arguments);
        std::printf("%s %s: %.2f s, peak %.0f MB, status %d\n", arguments[1].c_str(),
                    arguments[2] == sparse ? "on a 1 GiB sparse file" : arguments[2].c_str(),
                    run.seconds, run.peakMb, run.status);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
