// Reads a large generated drawing and reports MB/s and peak memory, against a
// bare tokenizer that only splits the file into groups, in the same run (each
// three times, taking turns, so that a busy spell of the machine slows both;
// the median run of each is shown); then
// one MTEXT of 4,000 chunks (1 MB), which must read in time linear in its length.
//   dxf_read_bench [ENTITIES] [FILE]    FILE: where the generated drawing is kept,
//                                       or a drawing the bench did not make, measured as it is

#include "BenchDrawing.h"
#include "DxfReader.h"
#include "DxfTokenizer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool tokenizeOnly(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY);
  struct stat st {};
  fstat(fd, &st);
  auto* data = static_cast<const char*>(mmap(nullptr, st.st_size, PROT_READ, MAP_PRIVATE, fd, 0));
  DxfTokenizer tokens(std::string_view(data, st.st_size));
  dxf::Group g;
  size_t groups = 0;
  while (tokens.next(g)) ++groups;
  munmap(const_cast<char*>(data), st.st_size);
  close(fd);
  return groups > 0;
}

// Seconds to read one MTEXT of the given number of 250-character chunks (group 3).
double secondsForLongMText(size_t chunks) {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n0\nMTEXT\n8\n0\n10\n0\n20\n0\n40\n1\n";
  for (size_t i = 0; i < chunks; ++i) dxf += "3\n" + std::string(250, 'a') + "\n";
  dxf += "1\nend\n0\nENDSEC\n0\nEOF\n";
  auto start = std::chrono::steady_clock::now();
  odDxfReadBuffer(dxf, OdString("mtext.dxf"));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The work run in a child a few times, taking turns with the other work: the median run of each.
std::pair<ChildRun, ChildRun> medianRunsInTurn(const std::function<bool()>& first, const std::function<bool()>& second) {
  constexpr int kRounds = 3;
  std::vector<ChildRun> firsts, seconds;
  for (int round = 0; round < kRounds; ++round) {
    firsts.push_back(runInChild(first));
    seconds.push_back(runInChild(second));
  }
  auto median = [](std::vector<ChildRun>& runs) {
    std::sort(runs.begin(), runs.end(), [](const ChildRun& a, const ChildRun& b) { return a.seconds < b.seconds; });
    ChildRun middle = runs[runs.size() / 2];
    middle.ok = std::all_of(runs.begin(), runs.end(), [](const ChildRun& r) { return r.ok; });
    return middle;
  };
  return {median(firsts), median(seconds)};
}

void report(const char* what, const ChildRun& run, double megabytes) {
  std::printf("%-22s %8.2f s %9.1f MB/s   peak %8.1f MB (%.2f x file)%s\n", what, run.seconds,
              megabytes / run.seconds, run.peakBytes / 1e6, run.peakBytes / 1e6 / megabytes, run.ok ? "" : "  FAILED");
}

}  // namespace

int main(int argc, char** argv) {
  size_t entities = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  std::string path = argc > 2 ? argv[2] : "/tmp/dc_bench_" + std::to_string(entities) + ".dxf";
  size_t bytes = makeBenchDrawing(path, entities);
  bool given = !bytes && std::filesystem::is_regular_file(path);
  if (given) bytes = std::filesystem::file_size(path);
  if (!bytes) {
    std::fprintf(stderr, "dxf_read_bench: cannot write %s\n", path.c_str());
    return 1;
  }
  double megabytes = bytes / 1e6;
  if (given) std::printf("drawing: %s, %.1f MB\n", path.c_str(), megabytes);
  else std::printf("drawing: %s, %zu entities, %.1f MB\n", path.c_str(), entities, megabytes);
  // The child ends right after reading: tearing the database down is not reading.
  auto [tokenizer, database] = medianRunsInTurn([&] { return tokenizeOnly(path); },
                                                [&] { return odDxfReadFile(OdString(path)).detach() != nullptr; });
  report("bare tokenizer", tokenizer, megabytes);
  report("read into database", database, megabytes);
  std::printf("database read speed: %.2f of the tokenizer's\n", tokenizer.seconds / database.seconds);
  std::printf("one MTEXT of 1,000 chunks: %.3f s, of 4,000 chunks: %.3f s\n", secondsForLongMText(1000),
              secondsForLongMText(4000));
  return tokenizer.ok && database.ok ? 0 : 1;
}
