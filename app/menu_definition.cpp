// The menus of the main window as data, in order.
#include "app/menu_definition.h"

#include <optional>

#include "view/display_table.h"

namespace qel {

namespace {

MenuItem Command(CommandId id) {
  return {MenuItem::Kind::Command, id};
}
MenuItem Toggle(CommandId id) {
  return {MenuItem::Kind::ToggleCommand, id};
}
MenuItem Display(CommandId id) {
  return {MenuItem::Kind::DisplayCommand, id};
}
const MenuItem kSeparator{MenuItem::Kind::Separator};

// The view menu: the bars, the displays of each problem after a separator, the settlement
// displays (one command for both problems) after another, then the zoom.
std::vector<MenuItem> ViewMenuItems() {
  using C = CommandId;
  std::vector<MenuItem> items = {Toggle(C::ViewToolBar), Toggle(C::ViewStatusBar)};
  for (const bool shared : {false, true}) {
    std::optional<Problem> group;
    for (const DisplayRow& row : kDisplays) {
      if (IsSharedNumber(row.number) != shared) continue;
      if (*DisplayOfCommand(row.command) != row.mode) continue;
      if (!group || (!shared && row.problem != *group)) items.push_back(kSeparator);
      group = row.problem;
      items.push_back(Display(row.command));
    }
  }
  for (const MenuItem& item :
       {kSeparator, Command(C::ZoomIn), Command(C::ZoomOut), Command(C::ZoomActualSize),
        Command(C::ZoomFitPage), Command(C::ZoomFitWidth)})
    items.push_back(item);
  return items;
}

}  // namespace

const std::vector<MenuDefinition>& MainMenus() {
  using C = CommandId;
  static const std::vector<MenuDefinition> menus = {
      {"ﾌｧｲﾙ(&F)",
       {Command(C::FileNew),
        Command(C::FileOpen),
        Command(C::FileSave),
        Command(C::FileSaveAs),
        Command(C::FileSaveReport),
        Command(C::FileSaveTableCsv),
        kSeparator,
        Command(C::FilePrint),
        Command(C::FilePrintAll),
        Command(C::FilePrintPreview),
        Command(C::FilePrintSetup),
        kSeparator,
        {MenuItem::Kind::RecentFiles},
        Command(C::AppExit)}},
      {"編集(&E)", {Command(C::EditUndo), Command(C::EditRedo), kSeparator, Command(C::EditCopy)}},
      {"帯状荷重(&A)",
       {Command(C::StripTitleStyle), Command(C::StripIsobars), Command(C::StripLoad1),
        Command(C::StripLoad2), Command(C::StripPoints), kSeparator, Command(C::StripPage)}},
      {"長方形円形荷重(&B)",
       {Command(C::RectTitleStyle), Command(C::RectIsobars), Command(C::RectLoads),
        Command(C::CircleLoads), Command(C::LatticePoints), kSeparator, Command(C::RectPage)}},
      {"地盤(&G)", {Command(C::SoilLayers), Command(C::SoilCurves), Command(C::SoilConditions)}},
      {"表示(&V)", ViewMenuItems()},
      {"設定(&S)",
       {Command(C::StripScale),
        Command(C::RectScale),
        kSeparator,
        Command(C::LineMarginDigits),
        kSeparator,
        Command(C::StripStandardValues),
        Command(C::RectStandardValues),
        kSeparator,
        Command(C::FontTitle),
        Command(C::FontStrip),
        Command(C::FontRectCircle),
        Command(C::FontPage),
        kSeparator,
        Command(C::KeyBehaviour),
        kSeparator,
        {MenuItem::Kind::CircleMethod}}},
      {"ﾍﾙﾌﾟ(&H)", {Command(C::AppAbout), Command(C::Help), {MenuItem::Kind::Verification}}},
  };
  return menus;
}

}  // namespace qel
