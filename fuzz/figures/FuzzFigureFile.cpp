// libFuzzer target: any bytes are read as an An8 file into the figure catalogue. The reader
// must add names or raise a file error, never crash or read past a line.
#include "InputFile.h"
#include "an8/FigureReader.h"
#include "platform/FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kestrelon;
    const std::string& path = fuzzing::writeInputFile(data, size, ".an8");
    Project project;
    try {
        an8::readFigureFile(path, project);
    } catch (const FileError&) {
    }
    return 0;
}
