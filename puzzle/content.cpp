#include "content.h"

#include <cstring>

namespace mud {

const char* const kPlaceholder = "        ?";

namespace {

const char* const kNames[kAttributes + 1] = {"", "Boja", "Poreklo", "Piće", "Cigarete", "Ljubimac"};

// Items 1..5 of each attribute's list, in list order.
const char* const kValues[kAttributes + 1][kItems] = {
    {},
    {nullptr, "Crvena", "Zelena", "Bela", "Žuta", "Plava"},
    {nullptr, "Podunavac", "Banaćanin", "Sremac", "Šumadinac", "Mačvanin"},
    {nullptr, "Ljuta", "Lozovača", "Klekovača", "Travarica", "Šljivovica"},
    {nullptr, "Zeta", "Morava", "Drina", "Drava", "Srbija"},
    {nullptr, "Pas", "Ptica", "Mačka", "Konj", "Riba"},
};

// The solution, house by house, in attribute order.
const char* const kSolution[kHouses + 1][kAttributes + 1] = {
    {},
    {nullptr, "Žuta", "Šumadinac", "Šljivovica", "Morava", "Mačka"},
    {nullptr, "Plava", "Sremac", "Ljuta", "Drina", "Konj"},
    {nullptr, "Crvena", "Podunavac", "Klekovača", "Zeta", "Ptica"},
    {nullptr, "Zelena", "Mačvanin", "Lozovača", "Srbija", "Riba"},
    {nullptr, "Bela", "Banaćanin", "Travarica", "Drava", "Pas"},
};

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

const std::array<Clue, kClues> kClueList = {{
    {"Label26", "Podunavac živi u crvenoj kući"},
    {"Label27", "Banaćanin ima psa"},
    {"Label28", "Sremac pije ljutu"},
    {"Label29", "Zelena kuća je prva levo od bele"},
    {"Label30", "Vlasnik zelene kuće pije lozovaču"},
    {"Label31", "Pušač \"zete\" čuva pticu"},
    {"Label32", "Vlasnik žute kuće puši \"moravu\""},
    {"Label33", "Vlasnik treće kuće pije klekovaču"},
    {"Label34", "Šumadinac živi u prvoj kući"},
    {"Label35", "Prvi sused pušača \"drine\" ima mačku"},
    {"Label36", "Vlasnik konja je prvi sused pušača \"morave\""},
    {"Label37", "Pušač \"drave\" pije travaricu"},
    {"Label38", "Prva kuća do Šumadinca je plava"},
    {"Label39", "Pušač \"drine\" živi do čoveka koji pije šljivovicu"},
    {"Label43", "Mačvanin puši \"srbiju\""},
}};

const char* attributeName(int attribute) {
    return inRange(attribute, 0, kAttributes) ? kNames[attribute] : "";
}

const char* listItem(int attribute, int item) {
    if (!inRange(attribute, 1, kAttributes) || !inRange(item, 0, kItems - 1)) return "";
    return item == 0 ? kPlaceholder : kValues[attribute][item];
}

const char* solution(int house, int attribute) {
    if (!inRange(house, 1, kHouses) || !inRange(attribute, 1, kAttributes)) return "";
    return kSolution[house][attribute];
}

int solutionItem(int house, int attribute) {
    const char* expected = solution(house, attribute);
    for (int item = 1; item < kItems; ++item) {
        if (std::strcmp(listItem(attribute, item), expected) == 0) return item;
    }
    return 0;
}

}  // namespace mud
