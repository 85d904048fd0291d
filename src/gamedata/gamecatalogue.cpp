#include "gamedata/gamecatalogue.h"

namespace {
GameCatalogue &editorCatalogue() {
    static GameCatalogue catalogue;
    return catalogue;
}
} // namespace

const GameCatalogue &gameCatalogue() {
    return editorCatalogue();
}

void setGameCatalogue(const GameCatalogue &catalogue) {
    editorCatalogue() = catalogue;
}
