#include "rules/PieceKind.h"

namespace torvane {

const char* KanjiOf(PieceKind kind) {
    switch (kind) {
        case Rat:
            return "鼠";
        case Dog:
            return "犬";
        case Wolf:
            return "狼";
        case Leopard:
            return "豹";
        case Crocodile:
            return "鰐";
        case Bear:
            return "熊";
        case Tiger:
            return "虎";
        case Lion:
            return "獅子";
        case Elephant:
            return "象";
        case NoPiece:
            break;
    }
    return "";
}

}  // namespace torvane
