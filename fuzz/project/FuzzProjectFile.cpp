// libFuzzer target: any bytes are loaded as a project file. Loading must give a project or a
// file error naming the line, and a project that was saved must load back and save to the
// same bytes: a saved project that cannot be opened again would lose the user's work.
#include "InputFile.h"
#include "model/ProjectFile.h"
#include "platform/FileError.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string contentsOf(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kestrelon;
    const std::string& path = fuzzing::writeInputFile(data, size, ".kst");
    try {
        SaveProject(LoadProject(path), path);
    } catch (const FileError&) {
        return 0; // a bad file, or texts a save refuses such as a name holding a line break
    }
    const std::string saved = contentsOf(path);
    SaveProject(LoadProject(path), path); // any error here escapes and is reported as a finding
    if (contentsOf(path) != saved)
        std::abort();
    return 0;
}
