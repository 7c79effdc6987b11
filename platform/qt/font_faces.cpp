// Windows font face names mapped to the Japanese fonts installed on Linux.
#include "platform/qt/font_faces.h"

#include <QFont>

namespace qel {

namespace {

struct FaceMapping {
  const char* windowsFace;  // compatibility-normalised, blanks removed, upper case
  const char* family;
};

// Settings files name faces in full-width or half-width letters, with or without a blank, so
// names are compared in their NFKC form without blanks.
constexpr FaceMapping kFaceMappings[] = {
    {"MS明朝", "IPAMincho"},       {"MSMINCHO", "IPAMincho"},   {"MSP明朝", "IPAPMincho"},
    {"MSPMINCHO", "IPAPMincho"},   {"MSゴシック", "IPAGothic"}, {"MSGOTHIC", "IPAGothic"},
    {"MSPゴシック", "IPAPGothic"}, {"MSPGOTHIC", "IPAPGothic"}, {"MSUIゴシック", "IPAPGothic"},
    {"MSUIGOTHIC", "IPAPGothic"},
};

// The names under which a substitution is registered: the forms settings files use.
constexpr FaceMapping kSubstitutions[] = {
    {"ＭＳ 明朝", "IPAMincho"},         {"ＭＳ　明朝", "IPAMincho"},
    {"MS Mincho", "IPAMincho"},         {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ　Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},     {"ＭＳ　ゴシック", "IPAGothic"},
    {"MS Gothic", "IPAGothic"},         {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ　Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
    {"MS UI Gothic", "IPAPGothic"},
};

QString ComparableFace(const QString& face) {
  QString key = face.normalized(QString::NormalizationForm_KC).toUpper();
  key.removeIf([](QChar c) { return c.isSpace(); });
  return key;
}

}  // namespace

QString MapFontFace(const QString& face) {
  const QString key = ComparableFace(face);
  for (const FaceMapping& mapping : kFaceMappings) {
    if (key == QString::fromUtf8(mapping.windowsFace)) return QString::fromUtf8(mapping.family);
  }
  return face.trimmed();
}

void InstallFontSubstitutions() {
  for (const FaceMapping& mapping : kSubstitutions) {
    QFont::insertSubstitution(QString::fromUtf8(mapping.windowsFace),
                              QString::fromUtf8(mapping.family));
  }
}

}  // namespace qel
