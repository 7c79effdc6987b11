// Writes a picture of every dialog, so that their layout can be looked at:
//   qel_dialog_gallery OUT_FOLDER [NAME]
// Run it with QT_SCALE_FACTOR=2 as well to see a high-resolution screen, and with
// QT_QPA_PLATFORM=offscreen:configfile=F.json (F naming a screen of 1600 x 1000) to see a laptop.
// Each dialog is shown with the settings of a fresh installation and an empty document.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/qt/help_dlg.h"
#include "dialogs/qt/isobar_dlg.h"
#include "dialogs/qt/key_dlg.h"
#include "dialogs/qt/line_margin_dlg.h"
#include "dialogs/qt/load_list_dlg.h"
#include "dialogs/qt/page_dlg.h"
#include "dialogs/qt/plate_dlg.h"
#include "dialogs/qt/point_dlg.h"
#include "dialogs/qt/scale_dlg.h"
#include "dialogs/qt/soil_conditions_dlg.h"
#include "dialogs/qt/soil_curve_dlg.h"
#include "dialogs/qt/soil_layer_dlg.h"
#include "dialogs/qt/standard_value_dlg.h"
#include "dialogs/qt/title_style_dlg.h"
#include "document/data_file.h"
#include "document/style_defaults.h"
#include "support/render_world.h"
#include "test_support/scripted_choosers.h"

namespace {

using qel::Problem;
using qel::test::RenderWorld;
using Keep = std::vector<std::shared_ptr<void>>;

// The standard titles and grid of a fresh installation, in the settings and the document.
void UseFactoryStyles(RenderWorld& world) {
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    qel::StandardValueModel standard(world.settings, problem);
    standard.ApplyFactoryValues();
    standard.Apply(world.settings);
  }
  qel::ApplyStyleDefaults(world.settings, world.tables);
}

template <typename Model, typename... Args>
Model& Kept(Keep& keep, Args&&... args) {
  auto model = std::make_shared<Model>(std::forward<Args>(args)...);
  keep.push_back(model);
  return *model;
}

// The soil profile of the embankment example, in an otherwise empty document.
void UseExampleSoil(RenderWorld& world) {
  qel::DocumentTables example;
  qel::ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/embankment.qdw", example);
  world.tables.soilLines = example.soilLines;
}

std::unique_ptr<QDialog> TitleStyle(RenderWorld& world, Keep& keep, Problem problem) {
  UseFactoryStyles(world);
  auto& model = Kept<qel::TitleStyleModel>(keep, world.tables, world.settings, problem);
  return std::make_unique<qel::CTitleStyleDlg>(model, world.prompts);
}

std::unique_ptr<QDialog> StandardValues(RenderWorld& world, Keep& keep, Problem problem) {
  UseFactoryStyles(world);
  auto& model = Kept<qel::StandardValueModel>(keep, world.settings, problem);
  return std::make_unique<qel::CStandardValueDlg>(model, world.prompts);
}

std::unique_ptr<QDialog> Scale(RenderWorld& world, Keep& keep, Problem problem) {
  auto& model = Kept<qel::ScaleModel>(keep, world.tables, world.settings, problem, world.geometry);
  return std::make_unique<qel::CScaleDlg>(model, world.prompts);
}

std::unique_ptr<QDialog> Page(RenderWorld& world, Keep& keep, Problem problem) {
  auto& model = Kept<qel::PageModel>(keep, world.tables, problem, world.geometry.paperWidthMm,
                                     world.geometry.paperHeightMm);
  return std::make_unique<qel::CPageDlg>(model, world.prompts);
}

struct Entry {
  const char* name;
  // Builds the dialog from the world; models it needs live in `keep`.
  std::function<std::unique_ptr<QDialog>(RenderWorld&, std::vector<std::shared_ptr<void>>& keep)>
      make;
};

// A load list dialog of `kind` on an empty document.
Entry LoadList(const char* name, qel::LoadListKind kind, int set = 1) {
  return {name, [kind, set](RenderWorld& world, Keep& keep) -> std::unique_ptr<QDialog> {
            auto& model =
                Kept<qel::LoadListEditor>(keep, kind, world.tables, world.settings.unitSystem,
                                          qel::LoadSortOption::ByNumber, set);
            return qel::MakeLoadListDialog(model, world.prompts, qel::EnterKeyMode::PressOk);
          }};
}

// The rectangle list with a row whose x coordinates fall, told on the status line, and a cell
// being edited: how the in-place edit and the status line look.
std::unique_ptr<QDialog> RectanglesBeingEdited(RenderWorld& world, Keep& keep) {
  auto& model = Kept<qel::LoadListEditor>(keep, qel::LoadListKind::Rectangle, world.tables,
                                          world.settings.unitSystem, qel::LoadSortOption::ByNumber);
  const char* typed[] = {"10", "5.5", "0", "2.25", "3"};
  for (int column = 1; column <= 5; ++column)
    model.EndEdit({1, column}, typed[column - 1]);
  std::unique_ptr<qel::LoadListDialog> dialog =
      qel::MakeLoadListDialog(model, world.prompts, qel::EnterKeyMode::PressOk);
  // The edit opens once the dialog is shown and its cells have their places.
  QTimer::singleShot(0, dialog.get(), [list = dialog.get()] {
    list->OpenCellEdit({2, 3});
    list->cellEditor()->setText("12.345");
  });
  return dialog;
}

// A calculation-point dialog of `kind` on an empty document.
Entry Points(const char* name, qel::PointKind kind) {
  return {name, [kind](RenderWorld& world, Keep& keep) -> std::unique_ptr<QDialog> {
            auto& model = Kept<qel::PointEditor>(keep, kind, world.tables);
            return qel::MakePointDialog(model, world.prompts, qel::EnterKeyMode::PressOk);
          }};
}

const std::vector<Entry>& Gallery() {
  static const std::vector<Entry> entries = {
      {"key",
       [](RenderWorld& world, std::vector<std::shared_ptr<void>>& keep) {
         auto model = std::make_shared<qel::KeyBehaviourModel>(world.settings);
         keep.push_back(model);
         return std::make_unique<qel::CKeyDlg>(*model);
       }},
      {"isobars_rect",
       [](RenderWorld& world, Keep& keep) {
         auto model = std::make_shared<qel::IsobarModel>(world.tables, Problem::RectCircle);
         keep.push_back(model);
         return std::make_unique<qel::CIsobarDlg>(*model, world.prompts);
       }},
      {"title_style_strip",
       [](RenderWorld& w, Keep& keep) { return TitleStyle(w, keep, Problem::Strip); }},
      {"title_style_rect",
       [](RenderWorld& w, Keep& keep) { return TitleStyle(w, keep, Problem::RectCircle); }},
      {"standard_values_strip",
       [](RenderWorld& w, Keep& keep) { return StandardValues(w, keep, Problem::Strip); }},
      {"standard_values_rect",
       [](RenderWorld& w, Keep& keep) { return StandardValues(w, keep, Problem::RectCircle); }},
      {"scale_strip", [](RenderWorld& w, Keep& keep) { return Scale(w, keep, Problem::Strip); }},
      {"scale_rect",
       [](RenderWorld& w, Keep& keep) { return Scale(w, keep, Problem::RectCircle); }},
      {"page_strip", [](RenderWorld& w, Keep& keep) { return Page(w, keep, Problem::Strip); }},
      {"page_rect", [](RenderWorld& w, Keep& keep) { return Page(w, keep, Problem::RectCircle); }},
      {"line_margin",
       [](RenderWorld& world, Keep& keep) {
         auto& model = Kept<qel::LineMarginModel>(keep, world.settings);
         auto& colours = Kept<qel::ScriptedColourChooser>(keep);
         return std::make_unique<qel::CLineMarginDlg>(model, world.prompts, colours);
       }},
      {"help",
       [](RenderWorld& world, Keep& keep) {
         auto& model =
             Kept<qel::HelpModel>(keep, qel::ReadHelpText(std::string(QEL_SOURCE_DIR) + "/data"));
         auto& opener = Kept<qel::RecordingFileOpener>(keep);
         return std::make_unique<qel::CHelpDlg>(model, world.prompts, opener);
       }},
      LoadList("circle_loads", qel::LoadListKind::Circle),
      LoadList("rect_loads", qel::LoadListKind::Rectangle),
      {"rect_loads_editing", RectanglesBeingEdited},
      LoadList("strip_loads", qel::LoadListKind::Strip, 2),
      Points("strip_points", qel::PointKind::Strip),
      Points("lattice_points", qel::PointKind::Lattice),
      {"soil_layers",
       [](RenderWorld& world, Keep& keep) {
         UseExampleSoil(world);
         auto& model = Kept<qel::SoilLayerModel>(keep, world.tables, world.settings.unitSystem);
         return std::make_unique<qel::CSoilLayerDlg>(model, world.prompts);
       }},
      {"soil_curves",
       [](RenderWorld& world, Keep& keep) {
         UseExampleSoil(world);
         auto& model = Kept<qel::SoilCurveModel>(keep, world.tables);
         return std::make_unique<qel::CSoilCurveDlg>(model, world.prompts);
       }},
      {"soil_conditions",
       [](RenderWorld& world, Keep& keep) {
         UseExampleSoil(world);
         auto& model =
             Kept<qel::SoilConditionsModel>(keep, world.tables, world.settings.unitSystem);
         return std::make_unique<qel::CSoilConditionsDlg>(model, world.prompts);
       }},
      {"soil_plates",
       [](RenderWorld& world, Keep& keep) {
         qel::DocumentTables example;
         qel::ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/embankment-plates.qdw",
                           example);
         world.tables.obsLines = example.obsLines;
         auto& model = Kept<qel::PlateModel>(keep, world.tables);
         return std::make_unique<qel::CPlateDlg>(model, world.prompts);
       }},
  };
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: qel_dialog_gallery OUT_FOLDER [NAME]\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  const double scale = QGuiApplication::primaryScreen()->devicePixelRatio();
  int written = 0;
  for (const Entry& entry : Gallery()) {
    if (argc > 2 && std::string(argv[2]) != entry.name) continue;
    RenderWorld world;
    std::vector<std::shared_ptr<void>> keep;
    std::unique_ptr<QDialog> dialog = entry.make(world, keep);
    dialog->show();
    QApplication::processEvents();
    const QString file = QString("%1/%2@%3x.png").arg(folder, entry.name).arg(scale);
    if (!dialog->grab().save(file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
    std::printf("%s\n", qPrintable(file));
    ++written;
  }
  return written > 0 ? 0 : 1;
}
