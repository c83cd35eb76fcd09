// A main for the fuzz targets where libFuzzer is not at hand (the native test build): each file
// named on the command line, or found in a named folder, is given to the target once. A target
// that crashes or trips a sanitizer ends the run with that report, as under libFuzzer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

void run_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path named(argv[i]);
        std::vector<fs::path> files;
        if (fs::is_directory(named)) {
            for (const auto& entry : fs::directory_iterator(named)) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(named);
        }
        for (const fs::path& file : files) run_file(file);
        inputs += files.size();
    }
    std::cout << "inputs run: " << inputs << '\n';
    return inputs == 0 ? 1 : 0;
}
