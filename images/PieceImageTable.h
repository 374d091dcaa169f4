#pragma once

#include <span>
#include <string>

#include "rules/Cell.h"
#include "rules/PieceKind.h"

namespace torvane {

// Ink of a piece image: black upright for the side at the bottom of the screen, red and
// turned by half a turn for the side at the top.
enum class ImageInk { Black, Red };

// Normal: resting on a cell or slot. Held: the drag image (a hand over the token).
// Ghost: the pale token that marks a cell the held piece may reach.
enum class ImageVariant { Normal, Held, Ghost };

// Image id (101..202) of a piece image; 0 for a kind outside the nine.
int PieceImageId(int kind, ImageInk ink, ImageVariant variant);

// A piece of `kind` owned by `tag` as a cell or slot holds it: its resting picture and its
// drag icon in `ink`.
Cell PieceCell(int kind, const std::string& tag, ImageInk ink);

// Ghost image for the held piece, or `previous` when no rule matches (a kind outside the nine,
// or a tag that is neither "1" nor "2").
int GhostImageFor(const std::string& ownerTag, int kind, int localIsGote, int previous);

// The 54 ids the table above can return, for the image generator and its tests.
struct PieceImageEntry {
    int id;
    PieceKind kind;
    ImageInk ink;
    ImageVariant variant;
};
std::span<const PieceImageEntry> PieceImageEntries();

}  // namespace torvane
