// The help dialog.
#include "dialogs/qt/help_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/qt/dialog_fields.h"

namespace qel {

HelpPicture::HelpPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setAccessibleName(kind == Kind::StripSection ? Utf8("帯状荷重の断面と角度の図")
                                               : Utf8("長方形荷重と円形荷重の平面図"));
  setMinimumSize(sizeHint());
}

QSize HelpPicture::sizeHint() const {
  const int unit = fontMetrics().height();
  return {unit * 11, unit * 6};
}

void HelpPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = width(), h = height();
  const QColor load(120, 150, 200);
  p.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
  if (kind_ == Kind::StripSection) {
    // The ground surface, a trapezoidal load on it and a point P below with its two angles.
    const double ground = h * 0.35;
    p.drawLine(QPointF(w * 0.04, ground), QPointF(w * 0.96, ground));
    QPolygonF trapezoid;
    trapezoid << QPointF(w * 0.18, ground) << QPointF(w * 0.32, ground - h * 0.22)
              << QPointF(w * 0.58, ground - h * 0.22) << QPointF(w * 0.74, ground);
    p.setBrush(load);
    p.drawPolygon(trapezoid);
    p.setBrush(Qt::NoBrush);
    const QPointF point(w * 0.52, h * 0.88);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.0, Qt::DashLine));
    p.drawLine(point, QPointF(w * 0.32, ground));
    p.drawLine(point, QPointF(w * 0.58, ground));
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
    p.drawEllipse(point, 3, 3);
    p.drawText(QPointF(point.x() + 6, point.y() + 4), "P");
    p.drawText(QPointF(w * 0.36, h * 0.62), Utf8("β1"));
    p.drawText(QPointF(w * 0.58, h * 0.62), Utf8("β2"));
    p.drawText(QPointF(w * 0.38, ground - h * 0.07), "q");
    return;
  }
  // A rectangle and a circle in plan, each with a point P.
  p.setBrush(load);
  p.drawRect(QRectF(w * 0.06, h * 0.18, w * 0.36, h * 0.52));
  p.drawEllipse(QPointF(w * 0.74, h * 0.44), h * 0.28, h * 0.28);
  p.setBrush(Qt::NoBrush);
  for (const QPointF& point : {QPointF(w * 0.30, h * 0.34), QPointF(w * 0.80, h * 0.52)}) {
    p.drawEllipse(point, 3, 3);
    p.drawText(QPointF(point.x() + 5, point.y() - 4), "P");
  }
  p.drawText(QPointF(w * 0.06, h * 0.92), "R1");
  p.drawText(QPointF(w * 0.40, h * 0.14), "R2");
  p.drawText(QPointF(w * 0.74 + h * 0.30, h * 0.30), "r");
}

namespace {

QLabel* Texts(QWidget* parent, std::initializer_list<const char*> lines) {
  QString text;
  for (const char* line : lines) {
    if (!text.isEmpty()) text += '\n';
    text += Utf8(line);
  }
  return new QLabel(text, parent);
}

}  // namespace

CHelpDlg::CHelpDlg(const HelpModel& model, PromptService& prompts, FileOpener& opener,
                   QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts), opener_(opener) {
  setWindowTitle(Utf8("操作＆ヘルプ"));

  auto* list = new QListWidget(this);
  list->setObjectName("helpText");
  list->setAccessibleName(Utf8("操作＆ヘルプ"));
  for (const std::string& line : model_.lines())
    list->addItem(Utf8(line));
  const int unit = fontMetrics().height();
  // The list opens wide enough for its longest line where the screen allows (the first showing
  // fits the dialog into the screen), and grows or shrinks with the dialog.
  int widest = 0;
  for (int row = 0; row < list->count(); ++row)
    widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(row)->text()));
  const int chrome = list->frameWidth() * 2 + list->verticalScrollBar()->sizeHint().width() + unit;
  list->resize(std::max(unit * 34, widest + chrome), unit * 16);
  OpenAtSizeThenResizable(list, QSize(unit * 16, unit * 8));

  auto* strip = new QGroupBox(Utf8("断面形状 "), this);
  auto* stripLayout = new QVBoxLayout(strip);
  stripLayout->addWidget(new HelpPicture(HelpPicture::Kind::StripSection, strip));
  stripLayout->addWidget(Texts(strip, {"荷重1と荷重2", "分割片 ", "基本計算式 ", "I=α/π",
                                       "I=(θ+sinθ･cosφ)/π", "(θ=β2-β1、φ=β1+β2) "}));
  auto* plan = new QGroupBox(Utf8("長方形荷重　"), this);
  auto* planLayout = new QVBoxLayout(plan);
  planLayout->addWidget(new HelpPicture(HelpPicture::Kind::RectCircle, plan));
  planLayout->addWidget(Texts(plan, {"円形荷重", "P：計算点 "}));

  auto* open = new QPushButton(Utf8("開いて印刷"), this);
  open->setObjectName("openAndPrint");
  connect(open, &QPushButton::clicked, this, [this] { model_.OpenForPrinting(opener_, prompts_); });
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("ok");
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QelDialog::accept);

  auto* side = new QVBoxLayout;
  side->addWidget(strip);
  side->addWidget(plan);
  side->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(open);
  bottom->addStretch();
  bottom->addWidget(buttons);
  auto* top = new QHBoxLayout;
  top->addWidget(list, 1);
  top->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
}

}  // namespace qel
