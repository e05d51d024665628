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
void appendCoordinates(std::string& text, double x, double y, double z)
{
    text += formatPlainDouble(x);
    text += ' ';
    text += formatPlainDouble(y);
    text += ' ';
    text += formatPlainDouble(z);
}

std::string coordinates(double x, double y, double z)
{
    std::string text;
    appendCoordinates(text, x, y, z);
    return text;
}

// Room for a whole key with its closing brace: a battle writes one for every unit in every
// frame, and building each in one piece spares the heap the pieces.
constexpr std::size_t KeyRoom = 96;

// A key from "pointkey { frame (" to its closing brace: opening is what stands before the
// coordinates, closing what follows them.
std::string pointKey(std::int32_t frame, const char* opening, double x, double y, double z, const char* closing)
{
    std::string key;
    key.reserve(KeyRoom);
    key += " pointkey { ";
    key += formatInteger(frame);
    key += opening;
    appendCoordinates(key, x, y, z);
    key += closing;
    return key;
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
    return pointKey(frame, " ( ", x, y, z, " ) \"?\" }  ");
}

std::string facingKey(double x, double y, double z, std::int32_t frame)
{
    return pointKey(frame, " ( ", x, y, z, " ) \"?\" } ");
}

// The contact's facing key has its own, tighter spacing; scenes already made rely on it.
std::string contactFacingKey(double x, double y, double z, std::int32_t frame)
{
    return pointKey(frame, " (", x, y, z, ") \"?\"}");
}

std::string namedSequenceKey(const std::string& name, std::int32_t frame)
{
    return " namedsequence { " + quoted(name) + " " + formatInteger(frame) + " } ";
}

} // namespace kestrelon::an8
