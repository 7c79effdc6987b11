// The model of the standard-value dialog: the standard titles, title positions, centring and
// grid of one problem, kept in the system settings. "標準の設定" of the title/style dialog
// copies them into a document.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "dialogs/style_fields.h"

namespace qel {

class StandardValueModel {
 public:
  // `kind`: the problem whose standard values are edited.
  StandardValueModel(const SystemSettings& settings, Problem kind);

  Problem kind() const { return kind_; }
  // "標準値 > 帯状荷重の初期設定" or "標準値 > 長方形円形等分布荷重の初期設定".
  std::string WindowTitle() const;
  // The note that tells where these values go: the title/style command of the kind's menu.
  std::string MenuNote() const;
  const std::vector<std::string>& TitleList(TitleKind title) const {
    return StandardTitleList(kind_, title);
  }

  const StyleFields& fields() const { return fields_; }
  StyleFields& fields() { return fields_; }
  bool titleLeftEnabled() const { return !fields_.titleCentered; }

  // "初期設定値": the values of a fresh installation.
  void ApplyFactoryValues();

  std::optional<ValidationError> Validate() const { return CheckStyleFields(fields_); }
  bool HasChanged() const { return !(fields_ == original_); }
  // Stores the fields as the problem's standard values; the command then saves the settings.
  ApplyOutcome Apply(SystemSettings& settings) const;

 private:
  Problem kind_;
  StyleFields original_;
  StyleFields fields_;
};

static_assert(DialogModel<StandardValueModel, SystemSettings>);

}  // namespace qel
