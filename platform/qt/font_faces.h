// Windows font face names mapped to the Japanese fonts installed on Linux.
#pragma once

#include <QString>

namespace qel {

// The installed family to use for `face`: the IPA fonts for the common Windows Japanese faces
// ("ＭＳ 明朝", "MS Gothic", "ＭＳ Ｐゴシック", ...), the face itself otherwise.
QString MapFontFace(const QString& face);

// Registers the Windows faces as substitutions of the IPA fonts, so that every QFont naming them
// (font dialogs and previews included) finds an installed font. Call once at start-up.
void InstallFontSubstitutions();

}  // namespace qel
