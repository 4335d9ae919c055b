// Replays a fuzz target's seed corpus without libFuzzer, so the regular test
// run (and the sanitizer run) feeds every saved input through the target. A
// corpus folder that is missing or holds no input fails the replay: a test
// that replays nothing must not pass.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER...\n";
    return 2;
  }
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path root{argv[i]};
    int in_folder = 0;
    if (std::filesystem::is_directory(root)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file{entry.path(), std::ios::binary};
        const std::vector<char> bytes{std::istreambuf_iterator<char>{file}, {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++in_folder;
      }
    }
    if (in_folder == 0) {
      std::cerr << "no inputs to replay in " << root << "\n";
      return 1;
    }
    replayed += in_folder;
  }
  std::cout << "replayed " << replayed << " inputs\n";
  return 0;
}
