// The about box: the program's icon, title and version.
#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/svg_icons.h"

namespace qel {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kAboutCaption));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName("icon");
  icon->setPixmap(SvgIcon("qel").pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);

  auto* title = new QLabel(QString::fromUtf8(kAboutTitle), this);
  title->setObjectName("title");
  auto* version = new QLabel(QString::fromUtf8(kAboutVersion), this);
  version->setObjectName("version");

  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(version);
  texts->addStretch();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  top->addWidget(buttons, 0, Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace qel
