// The about box: the program's icon, title and version.
#pragma once

#include <QDialog>

namespace qel {

inline constexpr const char* kAboutCaption = "ﾊﾞｰｼﾞｮﾝ情報";
inline constexpr const char* kAboutTitle = "地中の鉛直増加応力";
inline constexpr const char* kAboutVersion = "Qel Version 6 R002";

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace qel
