// The model of the standard-value dialog.
#include "dialogs/standard_value_model.h"

namespace qel {

StandardValueModel::StandardValueModel(const SystemSettings& settings, Problem kind)
    : kind_(kind), original_(StyleFieldsOf(settings.style(kind))), fields_(original_) {}

std::string StandardValueModel::WindowTitle() const {
  return kind_ == Problem::Strip ? "標準値 > 帯状荷重の初期設定"
                                 : "標準値 > 長方形円形等分布荷重の初期設定";
}

std::string StandardValueModel::MenuNote() const {
  return std::string("メニュー「") + (kind_ == Problem::Strip ? "帯状荷重" : "長方形円形荷重") +
         "」-「タイトル・様式」 にて[標準の設定]ボタンでセットされる内容　　";
}

void StandardValueModel::ApplyFactoryValues() {
  for (TitleKind title : {TitleKind::Figure, TitleKind::Data, TitleKind::Result})
    TitleOf(fields_, title) = TitleList(title)[1];
  fields_.gridFromY = "-100";
  fields_.gridToY = "100";
  fields_.gridStepY = "10";
  fields_.gridFromX = "-10";
  fields_.gridToX = "100";
  fields_.gridStepX = "10";
  fields_.figureTitleTop = fields_.dataTitleTop = fields_.resultTitleTop = "12";
  fields_.titleLeft = "12";
  fields_.titleCentered = true;
}

ApplyOutcome StandardValueModel::Apply(SystemSettings& settings) const {
  StoreStyleFields(fields_, settings.style(kind_));
  return {};
}

}  // namespace qel
