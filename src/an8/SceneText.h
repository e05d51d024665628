// The text of the An8 scene a run writes: the fixed head and tail, the key texts that scripts
// append to their unit, and each unit's four texts from opening to its finished block.
// It works on the four texts alone, so the scene text needs nothing of the simulation.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrelon::an8 {

// One unit's part of the scene while a run goes on.
struct UnitTexts {
    std::string Header;     // the opening of the figure element
    std::string FaceOutput; // the null the figure faces, with its position track
    std::string seqOutput;  // named-sequence keys of the figure element
    std::string posOutput;  // the figure element's position controller and track
};

// Opens unit index's texts before the first frame: the figure element "efigureNNN" showing
// figure + NNN at (x, y, z) and facing "targetNNN"; earlier Header, FaceOutput and
// posOutput texts are replaced, seqOutput is left alone.
void OpenUnitTexts(UnitTexts& texts, std::int32_t index, const std::string& figure, double x, double y,
                   double z);

// Closes the position tracks after the last frame (each call closes them once more).
void CloseUnitTracks(UnitTexts& texts);

// The unit's finished block: FaceOutput, Header, seqOutput, posOutput, each followed by two blanks.
std::string UnitBlock(const UnitTexts& texts);
// The same, appended to out.
void appendUnitBlock(std::string& out, const UnitTexts& texts);
// The same block as the pieces it is made of, in order, for a writer that passes them on
// without joining them; they view texts, which must outlive them.
std::array<std::string_view, 8> unitBlockPieces(const UnitTexts& texts);
// The block's size in bytes, without making it.
std::size_t unitBlockSize(const UnitTexts& texts);

// The scene chunk's opening with its fixed camera, and its closing "}  ".
std::string sceneHead();
std::string sceneTail();

// Key texts for the scripts: a position key (for posOutput), a facing key (for FaceOutput),
// the facing key of a contact (its own spacing) and a named-sequence key (for seqOutput).
std::string positionKey(double x, double y, double z, std::int32_t frame);
std::string facingKey(double x, double y, double z, std::int32_t frame);
std::string contactFacingKey(double x, double y, double z, std::int32_t frame);
std::string namedSequenceKey(const std::string& name, std::int32_t frame);

} // namespace kestrelon::an8
