// The scene's text, character for character as An8 reads it back. The writer adds no line
// breaks: the whole scene is one line and its pieces are parted by the blanks below only.
#include "an8/SceneText.h"

#include "an8/IndexSuffix.h"
#include "platform/NumberFormatting.h"

namespace kestrelon::an8 {
namespace {

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// "x y z", each coordinate in plain decimal form: the animation package reads no exponents,
// and coordinates near 0 are common.
std::string coordinates(double x, double y, double z)
{
    return formatPlainDouble(x) + " " + formatPlainDouble(y) + " " + formatPlainDouble(z);
}

// The key that position and facing keys share, up to their closing brace.
std::string pointKeyBody(double x, double y, double z, std::int32_t frame)
{
    return " pointkey { " + formatInteger(frame) + " ( " + coordinates(x, y, z) + " ) " + quoted("?");
}

} // namespace

void OpenUnitTexts(UnitTexts& texts, std::int32_t index, const std::string& figure, double x, double y,
                   double z)
{
    const std::string suffix = IndexSuffix(index);
    texts.Header = "figureelement  {  " + quoted("efigure" + suffix) + " " + quoted(figure + suffix) +
                   " loc  {  (" + coordinates(x, y, z) + ")  }  facestarget  {   }  target  {  " +
                   quoted("target" + suffix) + "  }  ";
    texts.FaceOutput = "null  {  " + quoted("target" + suffix) + "    loc  {  (0 0 0)  }     controller  {  " +
                       quoted("position") + " track  {  ";
    texts.posOutput = "controller  {  " + quoted("position") + "    track  {  ";
}

// The three braces close the track, the controller and the chunk: the figure element that
// Header opened, or the null that FaceOutput opened.
void CloseUnitTracks(UnitTexts& texts)
{
    texts.posOutput += "}}}";
    texts.FaceOutput += "}}}";
}

std::array<std::string_view, 8> unitBlockPieces(const UnitTexts& texts)
{
    constexpr std::string_view blanks = "  ";
    return {texts.FaceOutput, blanks, texts.Header, blanks, texts.seqOutput, blanks, texts.posOutput, blanks};
}

std::size_t unitBlockSize(const UnitTexts& texts)
{
    std::size_t size = 0;
    for (const std::string_view piece : unitBlockPieces(texts))
        size += piece.size();
    return size;
}

void appendUnitBlock(std::string& out, const UnitTexts& texts)
{
    for (const std::string_view piece : unitBlockPieces(texts))
        out += piece;
}

std::string UnitBlock(const UnitTexts& texts)
{
    std::string block;
    block.reserve(unitBlockSize(texts));
    appendUnitBlock(block, texts);
    return block;
}

// Every scene declares 72 frames and the same camera, whatever the run simulated.
std::string sceneHead()
{
    return "scene { " + quoted("scene01") +
           "  frames { 72 }  groundgrid { 1 }  shadowbias { 0.00100 }  background { 153 153 153 }  camera { " +
           quoted("camera01") +
           " loc { (150 100 200) }    orientation { (-0.04877 0.93733 -0.14632 -0.31244) }     fov { 90 }  }  ";
}

std::string sceneTail()
{
    return "}  ";
}

std::string positionKey(double x, double y, double z, std::int32_t frame)
{
    return pointKeyBody(x, y, z, frame) + " }  ";
}

std::string facingKey(double x, double y, double z, std::int32_t frame)
{
    return pointKeyBody(x, y, z, frame) + " } ";
}

// The contact's facing key has its own, tighter spacing; scenes already made rely on it.
std::string contactFacingKey(double x, double y, double z, std::int32_t frame)
{
    return " pointkey { " + formatInteger(frame) + " (" + coordinates(x, y, z) + ") " + quoted("?") + "}";
}

std::string namedSequenceKey(const std::string& name, std::int32_t frame)
{
    return " namedsequence { " + quoted(name) + " " + formatInteger(frame) + " } ";
}

} // namespace kestrelon::an8
