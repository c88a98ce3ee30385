// The one puzzle of the game: attributes, list items, solution and clues.
// Every other part of the program reads the puzzle from here.
#pragma once

#include <array>
#include <string>

namespace mud {

constexpr int kHouses = 5;      // houses 1..5, left to right
constexpr int kAttributes = 5;  // attribute index 1..5, see Attribute
constexpr int kItems = 6;       // placeholder + five values per list
constexpr int kClues = 15;

// Attribute index: the order in which every per-house routine visits a
// house's lists, and the second digit of an error code.
enum Attribute : int {
    Boja = 1,     // colour
    Poreklo = 2,  // origin
    Pice = 3,     // drink
    Ciga = 4,     // cigarettes
    Ljub = 5,     // pet
};

// Item 0 of every list: eight blanks and a question mark, "no choice".
extern const char* const kPlaceholder;

// Attribute name by index 1..5 ("Boja", "Poreklo", ...); index 0 is "".
const char* attributeName(int attribute);

// Item 0..5 of the list of an attribute; item 0 is the placeholder.
const char* listItem(int attribute, int item);

// Expected text of a cell, house 1..5, attribute 1..5.
const char* solution(int house, int attribute);

// Position (1..5) of the solution value of a cell in its list.
int solutionItem(int house, int attribute);

struct Clue {
    const char* label;  // object name of the clue's label, "Label26" ...
    const char* text;
};
// The fifteen clues in printed order: eight in the left column, seven in the right.
extern const std::array<Clue, kClues> kClueList;

}  // namespace mud
