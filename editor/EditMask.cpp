#include "editor/EditMask.h"

#include <map>

namespace {

const std::map<char, char> kPositions{{'0', '9'}, {'9', '0'}, {'#', '#'}, {'A', 'N'},
                                      {'a', 'n'}, {'L', 'A'}, {'l', 'a'}, {'C', 'X'},
                                      {'c', 'x'}, {'>', '>'}, {'<', '<'}};

// Characters the toolkit reads as positions or case switches; as literals they are escaped.
bool special(char c) {
    return std::string("AaNnXx90DdHhBb#><!\\").find(c) != std::string::npos;
}

} // namespace

std::string TranslateEditMask(const std::string& mask) {
    // Body; whether literals are kept (the toolkit always keeps them); blank character.
    const auto semi = mask.find(';');
    const std::string body = mask.substr(0, semi);
    const auto second = semi == std::string::npos ? semi : mask.find(';', semi + 1);
    const char blank =
        second != std::string::npos && second + 1 < mask.size() ? mask[second + 1] : '_';
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '<' && i + 1 < body.size() && body[i + 1] == '>') {
            out += '!';
            ++i;
        } else if (c == '\\' && i + 1 < body.size()) {
            const char literal = body[++i];
            out += special(literal) ? std::string{'\\', literal} : std::string{literal};
        } else if (const auto found = kPositions.find(c); found != kPositions.end()) {
            out += found->second;
        } else {
            out += special(c) ? std::string{'\\', c} : std::string{c};
        }
    }
    return out + ";" + blank;
}
