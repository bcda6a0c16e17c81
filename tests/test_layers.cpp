// The source tree's own rules: the layers of src/ (their order is written
// once, in src/CMakeLists.txt) are included only downwards, and no file or
// function grows past what a reader takes in at once.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = CORVESSA_SOURCE_DIR "/src";

// The layers, lowest first.
std::vector<std::string> Layers() {
    std::vector<std::string> layers;
    std::istringstream list(CORVESSA_LAYERS);
    for (std::string layer; list >> layer;) layers.push_back(layer);
    return layers;
}

int LayerOf(const std::string& name) {
    const std::vector<std::string> layers = Layers();
    for (size_t i = 0; i < layers.size(); ++i)
        if (layers[i] == name) return int(i);
    return -1;
}

// "FILE:LINE includes LAYER/..., above LAYER" for every include of `text`
// (the contents of `file`, a path under src/ starting with its layer) that
// reaches a higher layer.
std::vector<std::string> UpwardIncludes(const std::string& file, const std::string& text) {
    static const std::regex include(R"(^\s*#\s*include\s*"([a-z]+)/[^"]+")");
    const int own = LayerOf(file.substr(0, file.find('/')));
    std::vector<std::string> found;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        std::smatch match;
        if (!std::regex_search(line, match, include)) continue;
        const int target = LayerOf(match[1]);
        if (target > own)
            found.push_back(file + ":" + std::to_string(number) + " includes " + std::string(match[1]) + "/..., above " +
                            file.substr(0, file.find('/')));
    }
    return found;
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<fs::path> SourceFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSource))
        if (entry.is_regular_file() && (entry.path().extension() == ".cpp" || entry.path().extension() == ".h"))
            files.push_back(entry.path());
    return files;
}

TEST(Layers, EveryFolderOfSourcesIsALayer) {
    for (const auto& entry : fs::directory_iterator(kSource))
        if (entry.is_directory()) EXPECT_GE(LayerOf(entry.path().filename().string()), 0) << entry.path();
}

TEST(Layers, NoIncludeReachesUp) {
    // The check itself, on a deliberate one.
    EXPECT_EQ(UpwardIncludes("looks/overlay.cpp", "#include <vector>\n#include \"ground/bitmap.h\"\n#include \"shell/form_main.h\"\n"),
              std::vector<std::string>{"looks/overlay.cpp:3 includes shell/..., above looks"});
    EXPECT_TRUE(UpwardIncludes("shell/form_main.cpp", "#include \"looks/overlay.h\"\n#include \"shell/skin.h\"\n").empty());

    for (const fs::path& path : SourceFiles()) {
        const std::string file = fs::relative(path, kSource).string();
        for (const std::string& upward : UpwardIncludes(file, Slurp(path))) ADD_FAILURE() << upward;
    }
}

// Longer files and functions are split by what they do.
constexpr int kMostFileLines = 450, kMostFunctionLines = 80;

TEST(SourceLimits, NoFileOrFunctionIsTooLong) {
    for (const fs::path& path : SourceFiles()) {
        std::ifstream in(path);
        int lines = 0;
        for (std::string line; std::getline(in, line);) ++lines;
        EXPECT_LE(lines, kMostFileLines) << fs::relative(path, kSource).string();
    }
    // pmccabe prints a line a function: its complexities, statements, first
    // line, length in lines and "FILE(LINE): NAME".
    std::string command = "pmccabe";
    for (const fs::path& path : SourceFiles()) command += " '" + path.string() + "'";
    const std::unique_ptr<FILE, int (*)(FILE*)> out(popen((command + " 2>/dev/null").c_str(), "r"), pclose);
    ASSERT_TRUE(out) << "pmccabe (scripts/install-deps.sh installs it)";
    char line[4096];
    int functions = 0;
    while (std::fgets(line, sizeof line, out.get())) {
        int modified = 0, traditional = 0, statements = 0, first = 0, length = 0;
        char name[3000] = "";
        if (std::sscanf(line, "%d %d %d %d %d %2999[^\n]", &modified, &traditional, &statements, &first, &length, name) != 6)
            continue;
        ++functions;
        EXPECT_LE(length, kMostFunctionLines) << name;
    }
    EXPECT_GT(functions, 500) << "pmccabe read no functions";
}

}  // namespace
