// Windows face names mapped to the installed IPA fonts.
#include "platform/qt/font_faces.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QStringList>

namespace qel {
namespace {

TEST(MapFontFace, TheWindowsJapaneseFacesBecomeIpaFonts) {
  EXPECT_EQ(MapFontFace("ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(MapFontFace("ＭＳ　明朝"), "IPAMincho");  // ideographic space
  EXPECT_EQ(MapFontFace("MS Mincho"), "IPAMincho");
  EXPECT_EQ(MapFontFace("ＭＳ Ｐ明朝"), "IPAPMincho");
  EXPECT_EQ(MapFontFace("ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(MapFontFace("ms gothic"), "IPAGothic");
  EXPECT_EQ(MapFontFace("ＭＳ Ｐゴシック"), "IPAPGothic");
  EXPECT_EQ(MapFontFace("MS PGothic"), "IPAPGothic");
}

TEST(MapFontFace, OtherFacesAreKept) {
  EXPECT_EQ(MapFontFace("DejaVu Sans"), "DejaVu Sans");
  EXPECT_EQ(MapFontFace(" IPAexGothic "), "IPAexGothic");
  EXPECT_EQ(MapFontFace("ＭＳ 明朝体"), "ＭＳ 明朝体");  // not one of the mapped names
  EXPECT_EQ(MapFontFace(""), "");
}

TEST(InstallFontSubstitutions, FontsNamingWindowsFacesFindTheIpaFonts) {
  InstallFontSubstitutions();
  // Qt keeps substitutions in lower case.
  EXPECT_TRUE(QFont::substitutes("ＭＳ ゴシック").contains("IPAGothic", Qt::CaseInsensitive));
  EXPECT_TRUE(QFont::substitutes("MS PMincho").contains("IPAPMincho", Qt::CaseInsensitive));
  EXPECT_TRUE(QFontInfo(QFont("ＭＳ 明朝")).family().startsWith("IPA"));
}

}  // namespace
}  // namespace qel
