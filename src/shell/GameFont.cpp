#include "shell/GameFont.h"

#include <string>

#ifdef _WIN32

void loadGameFont(sf::Font& font) {
    if (!font.loadFromFile("C:/Windows/Fonts/meiryo.ttc")) font.loadFromFile("C:/Windows/Fonts/arial.ttf");
}

#else

#include <fontconfig/fontconfig.h>

namespace {

// The file of the best sans face for a language, or "" when no installed
// face covers it.
std::string findFace(const char* language) {
    std::string file;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcLangSet* wanted = FcLangSetCreate();
    FcLangSetAdd(wanted, reinterpret_cast<const FcChar8*>(language));
    FcPatternAddLangSet(pattern, FC_LANG, wanted);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcLangSet* covered = nullptr;
        FcChar8* path = nullptr;
        const bool coversLanguage =
            FcPatternGetLangSet(match, FC_LANG, 0, &covered) == FcResultMatch &&
            FcLangSetHasLang(covered, reinterpret_cast<const FcChar8*>(language)) != FcLangDifferentLang;
        if (coversLanguage && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcLangSetDestroy(wanted);
    FcPatternDestroy(pattern);
    return file;
}

bool loadFace(sf::Font& font, const char* language) {
    const std::string file = findFace(language);
    return !file.empty() && font.loadFromFile(file);
}

}  // namespace

void loadGameFont(sf::Font& font) {
    if (!FcInit()) return;
    if (!loadFace(font, "ja")) loadFace(font, "en");
}

#endif
