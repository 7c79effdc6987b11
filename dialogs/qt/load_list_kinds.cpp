// The three load list dialogs: the one list widget with the sketch of each kind of load.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/qt/dialog_fields.h"
#include "dialogs/qt/load_list_dlg.h"
#include "dialogs/qt/load_shape_sketch.h"

namespace qel {

CCircleLoadDlg::CCircleLoadDlg(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                               QWidget* parent)
    : LoadListDialog(model, prompts, enterKey, parent) {
  SetSketch(new LoadShapeSketch(LoadShapeSketch::Shape::Circle));
}

CRectLoadDlg::CRectLoadDlg(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                           QWidget* parent)
    : LoadListDialog(model, prompts, enterKey, parent) {
  auto* sketch = new QWidget;
  auto* layout = new QVBoxLayout(sketch);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new LoadShapeSketch(LoadShapeSketch::Shape::PlanRectangle));
  layout->addWidget(new QLabel(Utf8("ただし x1<x2 、 y1<y2 ")));
  SetSketch(sketch);
}

CStripLoadDlg::CStripLoadDlg(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                             QWidget* parent)
    : LoadListDialog(model, prompts, enterKey, parent) {
  auto* group = new QGroupBox(Utf8("分割片と座標表現"));
  auto* grid = new QGridLayout(group);
  struct Piece {
    const char* name;
    LoadShapeSketch::Shape shape;
  };
  const Piece pieces[] = {{"基本形　", LoadShapeSketch::Shape::StripTrapezoid},
                          {"三角形　", LoadShapeSketch::Shape::StripTriangle},
                          {"長方形　", LoadShapeSketch::Shape::StripBlock}};
  int row = 0;
  for (const Piece& piece : pieces) {
    grid->addWidget(new QLabel(Utf8(piece.name)), row, 0, Qt::AlignBottom);
    grid->addWidget(new LoadShapeSketch(piece.shape), row, 1);
    ++row;
  }
  grid->addWidget(new QLabel(Utf8("Y は描画用データで\n計算には使用しません.")), row, 0, 1, 2);
  SetSketch(group);
}

std::unique_ptr<LoadListDialog> MakeLoadListDialog(LoadListEditor& model, PromptService& prompts,
                                                   EnterKeyMode enterKey, QWidget* parent) {
  switch (model.kind()) {
    case LoadListKind::Circle:
      return std::make_unique<CCircleLoadDlg>(model, prompts, enterKey, parent);
    case LoadListKind::Rectangle:
      return std::make_unique<CRectLoadDlg>(model, prompts, enterKey, parent);
    case LoadListKind::Strip:
      break;
  }
  return std::make_unique<CStripLoadDlg>(model, prompts, enterKey, parent);
}

}  // namespace qel
