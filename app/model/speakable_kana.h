#pragma once
// What the speech engine is handed: the reading of a line (siki_reading.h) with its kanji
// words in kana, its marks read as words or dropped. espeak-ng's Japanese voice says kana
// and ASCII digits well but reads kanji as English words ("Chinese letter"), reads ASCII
// operators in English and says nothing for full-width signs; so only kana, digits, spaces
// and the pauses "、" "。" are left.
#include <string>
#include <string_view>

namespace ravlo {

std::string SpeakableKana(std::string_view reading);

// True for a character that SpeakableKana may leave in its result (one UTF-8 character).
bool isSpeakableCharacter(std::string_view utf8Character);

}  // namespace ravlo
