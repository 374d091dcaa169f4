#include "images/PieceImageTable.h"

#include <array>

namespace torvane {

namespace {

struct Row {
    PieceKind kind;
    // Black Normal, Black Held, Black Ghost, Red Normal, Red Held, Red Ghost.
    std::array<int, 6> ids;
};

constexpr std::array<Row, 9> kTable = {{
    {Rat, {129, 162, 107, 186, 177, 168}},
    {Dog, {124, 157, 102, 189, 180, 171}},
    {Wolf, {132, 165, 110, 193, 184, 175}},
    {Leopard, {131, 164, 109, 192, 183, 174}},
    {Crocodile, {133, 166, 111, 187, 178, 169}},
    {Bear, {123, 156, 101, 188, 179, 170}},
    {Tiger, {126, 159, 104, 185, 176, 167}},
    {Lion, {127, 160, 105, 190, 181, 172}},
    {Elephant, {128, 161, 106, 191, 182, 173}},
}};

constexpr int Column(ImageInk ink, ImageVariant variant) {
    return (ink == ImageInk::Red ? 3 : 0) + static_cast<int>(variant);
}

std::array<PieceImageEntry, 54> BuildEntries() {
    std::array<PieceImageEntry, 54> entries{};
    int n = 0;
    for (const Row& row : kTable)
        for (ImageInk ink : {ImageInk::Black, ImageInk::Red})
            for (ImageVariant v : {ImageVariant::Normal, ImageVariant::Held, ImageVariant::Ghost})
                entries[n++] = {row.ids[Column(ink, v)], row.kind, ink, v};
    return entries;
}

}  // namespace

int PieceImageId(int kind, ImageInk ink, ImageVariant variant) {
    for (const Row& row : kTable)
        if (row.kind == kind) return row.ids[Column(ink, variant)];
    return 0;
}

int GhostImageFor(const std::string& ownerTag, int kind, int localIsGote, int previous) {
    if (!IsPieceKind(kind)) return previous;
    int result = previous;
    if (ownerTag == "1") result = PieceImageId(kind, ImageInk::Black, ImageVariant::Ghost);
    if (localIsGote == 1) {
        if (ownerTag == "2") result = PieceImageId(kind, ImageInk::Black, ImageVariant::Ghost);
    } else if (ownerTag == "2") {
        result = PieceImageId(kind, ImageInk::Red, ImageVariant::Ghost);
    }
    return result;
}

std::span<const PieceImageEntry> PieceImageEntries() {
    static const std::array<PieceImageEntry, 54> entries = BuildEntries();
    return entries;
}

Cell PieceCell(int kind, const std::string& tag, ImageInk ink) {
    return Cell{PieceImageId(kind, ink, ImageVariant::Normal), tag, kind,
                PieceImageId(kind, ink, ImageVariant::Held)};
}

}  // namespace torvane
