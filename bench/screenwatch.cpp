// Watches a virtual display from outside for bench/startup.sh: reads the
// screen Xvfb keeps in a file (Xvfb -fbdir) and prints the wall clock, in
// microseconds since the epoch, of the first moment a window's content is on
// screen.
//
//   screenwatch <Xvfb_screen0 file> <ready file> <timeout ms>
//               [--min-changed PCT] [--picture FILE.ppm] [--pid-file FILE]
//
// "On screen" means: at least PCT % (default 2) of a sample grid (every 8th
// pixel) over a 1000 x 640 area differs from what the screen showed when the
// watch started. The window is the first and only one, so it sits at the top
// left. 2 % lies well above what the pointer covers (under 0.1 %) and well
// below the program's start-up picture (about 16 %).
// --picture writes the watched area as it was seen at that moment.
// --pid-file names a file that will hold the watched program's process id
// (the launcher writes it once the program runs); at that moment the line
// then also gets, from /proc and with no help from the program:
//
//   cpu_ms <c> main_cpu_ms <m> main_wait_ms <w>
//
//   c  CPU time of all the program's threads so far (their schedstat, in ns)
//   m  the part of it on the main (GUI) thread, the one the frame waits for
//   w  how long the main thread waited for a CPU meanwhile
//
// The ready file is written once the starting picture is taken. Exits 1 on
// time-out.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kAreaWidth = 1000;
constexpr int kAreaHeight = 640;
constexpr int kStep = 8;

uint32_t bigEndian(const unsigned char *p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// The first two fields of a schedstat file: ns on a CPU, ns waiting for one.
bool readSchedstat(const char *path, unsigned long long &run, unsigned long long &wait)
{
    FILE *f = std::fopen(path, "r");
    if (!f)
        return false;
    const bool ok = std::fscanf(f, "%llu %llu", &run, &wait) == 2;
    std::fclose(f);
    return ok;
}

// Appends the CPU figures of the process named in pidFile to line; leaves it
// alone if there is no such process (yet).
void appendCpu(const char *pidFile, char *line, size_t size)
{
    long pid = 0;
    if (FILE *f = std::fopen(pidFile, "r")) {
        if (std::fscanf(f, "%ld", &pid) != 1)
            pid = 0;
        std::fclose(f);
    }
    if (pid <= 0)
        return;
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%ld/task", pid);
    DIR *tasks = opendir(path);
    if (!tasks)
        return;
    unsigned long long total = 0, mainRun = 0, mainWait = 0;
    bool mainSeen = false;
    while (const dirent *task = readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        char statPath[320];
        std::snprintf(statPath, sizeof statPath, "/proc/%ld/task/%s/schedstat", pid, task->d_name);
        unsigned long long run = 0, wait = 0;
        if (!readSchedstat(statPath, run, wait))
            continue;
        total += run;
        if (std::atol(task->d_name) == pid) {
            mainRun = run;
            mainWait = wait;
            mainSeen = true;
        }
    }
    closedir(tasks);
    if (mainSeen)
        std::snprintf(line + std::strlen(line), size - std::strlen(line), " cpu_ms %.1f main_cpu_ms %.1f main_wait_ms %.1f",
                      double(total) / 1e6, double(mainRun) / 1e6, double(mainWait) / 1e6);
}

long long nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s <Xvfb_screen0> <ready file> <timeout ms> [--min-changed PCT] [--picture FILE.ppm]"
                     " [--pid-file FILE]\n",
                     argv[0]);
        return 2;
    }
    double minChanged = 2.0;
    const char *picture = nullptr;
    const char *pidFile = nullptr;
    for (int i = 4; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (hasValue && std::strcmp(argv[i], "--min-changed") == 0)
            minChanged = std::atof(argv[++i]);
        else if (hasValue && std::strcmp(argv[i], "--picture") == 0)
            picture = argv[++i];
        else if (hasValue && std::strcmp(argv[i], "--pid-file") == 0)
            pidFile = argv[++i];
        else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    const int fd = open(argv[1], O_RDONLY);
    struct stat st{};
    if (fd < 0 || fstat(fd, &st) != 0 || st.st_size < 100) {
        std::perror(argv[1]);
        return 2;
    }
    const auto *file = static_cast<const unsigned char *>(mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_SHARED, fd, 0));
    if (file == MAP_FAILED) {
        std::perror("mmap");
        return 2;
    }
    // XWD header: 25 big-endian words, then the colour map, then the pixels.
    const uint32_t headerSize = bigEndian(file);
    const uint32_t width = bigEndian(file + 4 * 4);
    const uint32_t height = bigEndian(file + 5 * 4);
    const uint32_t bitsPerPixel = bigEndian(file + 11 * 4);
    const uint32_t bytesPerLine = bigEndian(file + 12 * 4);
    const uint32_t colours = bigEndian(file + 19 * 4);
    const size_t offset = size_t(headerSize) + size_t(colours) * 12;
    if (bitsPerPixel != 32 || width < uint32_t(kAreaWidth) || height < uint32_t(kAreaHeight)
        || offset + size_t(bytesPerLine) * height > size_t(st.st_size)) {
        std::fprintf(stderr, "unexpected screen format (%u bpp, %ux%u)\n", bitsPerPixel, width, height);
        return 2;
    }
    const auto *pixels = reinterpret_cast<const volatile uint32_t *>(file + offset);
    const size_t stride = bytesPerLine / 4;

    std::vector<size_t> grid;
    for (int y = kStep / 2; y < kAreaHeight; y += kStep)
        for (int x = kStep / 2; x < kAreaWidth; x += kStep)
            grid.push_back(size_t(y) * stride + size_t(x));
    std::vector<uint32_t> before(grid.size());
    for (size_t i = 0; i < grid.size(); ++i)
        before[i] = pixels[grid[i]] & 0xffffffu;

    const size_t needed = size_t(double(grid.size()) * minChanged / 100.0);
    if (FILE *ready = std::fopen(argv[2], "w"))
        std::fclose(ready);

    const long long deadline = nowUs() + std::atoll(argv[3]) * 1000;
    while (nowUs() < deadline) {
        size_t changed = 0;
        for (size_t i = 0; i < grid.size(); ++i)
            changed += (pixels[grid[i]] & 0xffffffu) != before[i];
        if (changed >= needed) {
            // The program's figures first: it keeps running while we write.
            char line[256];
            std::snprintf(line, sizeof line, "%lld %zu/%zu", nowUs(), changed, grid.size());
            if (pidFile)
                appendCpu(pidFile, line, sizeof line);
            std::printf("%s\n", line);
            std::fflush(stdout);
            if (picture) {
                if (FILE *out = std::fopen(picture, "wb")) {
                    std::fprintf(out, "P6\n%d %d\n255\n", kAreaWidth, kAreaHeight);
                    for (int y = 0; y < kAreaHeight; ++y)
                        for (int x = 0; x < kAreaWidth; ++x) {
                            const uint32_t p = pixels[size_t(y) * stride + size_t(x)];
                            const unsigned char rgb[3] = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
                            std::fwrite(rgb, 1, 3, out);
                        }
                    std::fclose(out);
                }
            }
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return 1;
}
