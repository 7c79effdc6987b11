// The one table of the program's commands, in menu order.
#include "app/command_table.h"

#include <QAction>
#include <QStatusBar>
#include <QToolBar>
#include <array>
#include <iterator>
#include <optional>
#include <utility>

#include "app/about_box.h"
#include "app/data_entry_commands.h"
#include "app/edit_commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/settings_commands.h"
#include "app/soil_commands.h"
#include "app/style_commands.h"
#include "app/table_csv_command.h"
#include "app/undo_commands.h"
#include "app/verification_dialog.h"
#include "view/display_table.h"
#include "view/table_export.h"
#include "view/table_rows.h"

namespace qel {

namespace {

using C = CommandId;
using Row = CommandRow;
using Entry = CommandRow::Entry;
using Indicator = CommandRow::Indicator;

// The view menu's command of each display number 1..kDisplayNumbers, [number - 1].
constexpr CommandId kDisplayCommands[] = {
    C::ShowStripFigure,      C::ShowStripData,         C::ShowStripResults,
    C::ShowRectCircleFigure, C::ShowRectCircleData,    C::ShowRectCircleResults,
    C::ShowStripDepth,       C::ShowRectCircleSection, C::ShowSettlementTable,
    C::ShowSettlementMap,    C::ShowSettlementTime,    C::ShowSoilConditions,
    C::ShowSettlementPlates};
static_assert(std::size(kDisplayCommands) == kDisplayNumbers, "a command for every display");

// The tool bar's button of each kind of display.
constexpr std::pair<DisplayKind, CommandId> kKindCommands[] = {
    {DisplayKind::Figure, C::ToolbarFigure},
    {DisplayKind::Data, C::ToolbarData},
    {DisplayKind::Results, C::ToolbarResults},
    {DisplayKind::Depth, C::ToolbarDepth},
    {DisplayKind::SettlementTable, C::ToolbarSettlementTable},
    {DisplayKind::SettlementMap, C::ToolbarSettlementMap},
    {DisplayKind::SettlementTime, C::ToolbarSettlementTime},
    {DisplayKind::SoilConditions, C::ToolbarSoilConditions}};
static_assert(std::size(kKindCommands) == std::size(kDisplayKinds), "a button for every kind");

// The tool bar group of the kind buttons, between the about button's and the zoom's.
constexpr int kKindButtons = 30;

CMainFrame& FrameOf(CQelApp& app) {
  return *app.mainFrame();
}
CQelView& ViewOf(CQelApp& app) {
  return *app.mainFrame()->view();
}

const Row kSeparator{.entry = Entry::Separator};

Row Menu(const char* title, int level = 0) {
  return {.level = level, .entry = Entry::Menu, .text = title};
}

// A command whose dialog may change the document or the settings.
Row Dialog(CommandId id, const char* text, const char* prompt, std::function<void(CQelApp&)> run) {
  return {.id = id, .text = text, .prompt = prompt, .run = std::move(run), .refreshes = true};
}

// The key of display number `number`: Ctrl and the number up to 9, then Ctrl+Alt and the
// number's last digit (Ctrl+0 is the printed size).
const char* DisplayKeys(int number) {
  static const std::array<std::string, kDisplayNumbers + 1> keys = [] {
    std::array<std::string, kDisplayNumbers + 1> made;
    for (int n = 1; n <= kDisplayNumbers; ++n)
      made[n] = n <= 9 ? "Ctrl+" + std::to_string(n) : "Ctrl+Alt+" + std::to_string(n % 10);
    return made;
  }();
  return keys[number].c_str();
}

// The view menu's display commands, one a number: each problem's own displays after a
// separator, then after another the displays both problems share (their strip row names them).
void AddDisplayCommands(std::vector<Row>& rows) {
  for (const bool shared : {false, true}) {
    std::optional<Problem> group;
    for (const DisplayRow& display : kDisplays) {
      if (IsSharedNumber(display.number) != shared) continue;
      if (*DisplayModeFromNumber(display.number) != display.mode) continue;
      if (!group || (!shared && display.problem != *group)) rows.push_back(kSeparator);
      group = display.problem;
      const int number = display.number;
      rows.push_back(
          {.id = kDisplayCommands[number - 1],
           .text = display.menuText,
           .prompt = display.prompt,
           .keys = DisplayKeys(number),
           .indicator = Indicator::Radio,
           .run = [number](CQelApp& app) { ViewOf(app).ShowDisplayNumber(number); },
           .checkedWhen =
               [number](CQelApp& app) { return app.controller().IsDisplayNumberShown(number); }});
    }
  }
}

// The tool bar's kind buttons: each shows the shown problem's display of its kind.
void AddKindButtons(std::vector<Row>& rows) {
  int order = 0;
  for (const auto& [kind, id] : kKindCommands) {
    const DisplayKindRow* button = nullptr;
    for (const DisplayKindRow& row : kDisplayKinds)
      if (row.kind == kind) button = &row;
    rows.push_back({.id = id,
                    .prompt = button->prompt,
                    .run = [kind](CQelApp& app) { ViewOf(app).ShowKind(kind); },
                    .toolbar = kKindButtons + ++order,
                    .icon = button->icon});
  }
}

Row CircleMethodItem(CircleMethod method, const char* text, const char* name) {
  return {.level = 2,
          .text = text,
          .indicator = Indicator::Radio,
          .run = [method](CQelApp& app) { ViewOf(app).SetCircleMethod(method); },
          .checkedWhen = [method](CQelApp& app) { return ViewOf(app).circleMethod() == method; },
          .name = name};
}

std::vector<Row> MakeTable() {
  std::vector<Row> rows = {
      Menu("ﾌｧｲﾙ(&F)"),
      {.id = C::FileNew,
       .text = "新規作成(&N)",
       .prompt = "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ",
       .keys = "Ctrl+N",
       .run = [](CQelApp& app) { app.OnFileNew(); },
       .toolbar = 11,
       .icon = "new"},
      {.id = C::FileOpen,
       .text = "開く(&O)...",
       .prompt = "既存のﾌｧｲﾙを開く\n開く",
       .keys = "Ctrl+O",
       .run = [](CQelApp& app) { app.OnFileOpen(); },
       .toolbar = 12,
       .icon = "open"},
      {.id = C::FileSave,
       .text = "上書き保存(&S)",
       .prompt = "作業中のﾌｧｲﾙを上書きして保存\n保存",
       .keys = "Ctrl+S",
       .run = [](CQelApp& app) { app.document().OnFileSave(); },
       .toolbar = 13,
       .icon = "save"},
      {.id = C::FileSaveAs,
       .text = "名前を付けて保存(&A)...",
       .prompt = "作業中のﾌｧｲﾙを別名で保存\n名前を付けて保存",
       .run = [](CQelApp& app) { app.document().OnFileSaveAs(); }},
      {.id = C::FileSaveReport,
       .text = "報告書をPDFで保存(&D)...",
       .prompt = "内容のあるすべての表示を1つのPDFファイルに保存\n報告書をPDFで保存",
       .run = [](CQelApp& app) { ViewOf(app).printing().OnFileSaveReport(); }},
      {.id = C::FileSaveTableCsv,
       .text = "表をCSVで保存(&C)...",
       .prompt =
           "表示中の表をCSVファイルに保存（図とグラフのときはその問題の計算結果）\n表をCSVで保存",
       .run = OnFileSaveTableCsv},
      kSeparator,
      {.id = C::FilePrint,
       .text = "印刷(&P)...",
       .prompt = "作業中のﾌｧｲﾙを印刷\n印刷",
       .keys = "Ctrl+P",
       .run = [](CQelApp& app) { ViewOf(app).printing().OnFilePrint(); },
       .toolbar = 21,
       .icon = "print"},
      {.id = C::FilePrintAll,
       .text = "すべての表示を印刷(&L)...",
       .prompt = "内容のあるすべての表示を順に印刷\nすべての表示を印刷",
       .run = [](CQelApp& app) { ViewOf(app).printing().OnFilePrintAll(); }},
      {.id = C::FilePrintPreview,
       .text = "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
       .prompt = "ﾌﾙ ﾍﾟｰｼﾞ表示\n印刷ﾌﾟﾚﾋﾞｭｰ",
       .run = [](CQelApp& app) { ViewOf(app).printing().OnFilePrintPreview(); }},
      {.id = C::FilePrintSetup,
       .text = "ﾌﾟﾘﾝﾀの設定(&R)...",
       .prompt = "ﾌﾟﾘﾝﾀおよび印刷ｵﾌﾟｼｮﾝの変更\n印刷設定",
       .run = [](CQelApp& app) { app.OnFilePrintSetup(); }},
      kSeparator,
      {.entry = Entry::RecentFiles},
      {.id = C::AppExit,
       .text = "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)",
       .prompt = "ｱﾌﾟﾘｹｰｼｮﾝを終了\n終了",
       .run = [](CQelApp& app) { FrameOf(app).close(); }},

      Menu("編集(&E)"),
      {.id = C::EditUndo,
       .text = "元に戻す(&U)",
       .prompt = "直前の変更を取り消す\n元に戻す",
       .keys = "Ctrl+Z",
       .run = OnEditUndo,
       .enabledWhen = [](CQelApp& app) { return UndoItem(app.state().document).enabled; },
       .textWhen = [](CQelApp& app) { return UndoItem(app.state().document).text; }},
      {.id = C::EditRedo,
       .text = "やり直し(&R)",
       .prompt = "取り消した変更をやり直す\nやり直し",
       .keys = "Ctrl+Y; Ctrl+Shift+Z",
       .run = OnEditRedo,
       .enabledWhen = [](CQelApp& app) { return RedoItem(app.state().document).enabled; },
       .textWhen = [](CQelApp& app) { return RedoItem(app.state().document).text; }},
      kSeparator,
      // Copying takes a table: it is offered while one is shown.
      {.id = C::EditCopy,
       .text = "コピー(&C)",
       .prompt = "表示中の表をタブ区切りの文字でクリップボードにコピー\nコピー",
       .keys = "Ctrl+C",
       .run = [](CQelApp& app) { CopyShownTable(app.state(), *app.services().clipboard); },
       .enabledWhen = [](CQelApp& app) { return IsTableDisplay(app.state().view.displayMode); }},

      Menu("帯状荷重(&A)"),
      Dialog(C::StripTitleStyle, "タイトル・様式(&T)", "図表のタイトル、図のグリッド、計算経過表示",
             [](CQelApp& app) { OnTitleStyle(app, Problem::Strip); }),
      Dialog(C::StripIsobars, "等圧線(&I)...", "断面図に重ねる等圧線（圧力球根）の表示と値",
             [](CQelApp& app) { OnIsobars(app, Problem::Strip); }),
      Dialog(C::StripLoad1, "荷重1 (&1)", "帯状荷重1", [](CQelApp& app) { OnStripLoads(app, 1); }),
      Dialog(C::StripLoad2, "荷重2 (&2)", "帯状荷重2", [](CQelApp& app) { OnStripLoads(app, 2); }),
      Dialog(C::StripPoints, "計算点(&X)", "地中の計算点 x座標と深度z 入力", OnStripPoints),
      kSeparator,
      Dialog(C::StripPage, "ページ(&P)", "フッタ、ページ",
             [](CQelApp& app) { OnPage(app, Problem::Strip); }),

      Menu("長方形円形荷重(&B)"),
      Dialog(C::RectTitleStyle, "タイトル・様式(&T)", "図表のタイトル、図のグリッド、計算経過表示",
             [](CQelApp& app) { OnTitleStyle(app, Problem::RectCircle); }),
      Dialog(C::RectIsobars, "等圧線(&I)...", "平面図に重ねる等圧線（圧力球根）の表示、値と深度",
             [](CQelApp& app) { OnIsobars(app, Problem::RectCircle); }),
      Dialog(C::RectLoads, "長方形荷重(&R)", "等分布 長方形荷重データ", OnRectLoads),
      Dialog(C::CircleLoads, "円形荷重(&C)", "等分布 円形荷重", OnCircleLoads),
      Dialog(C::LatticePoints, "計算点(&X)", "地中の計算点 XYZ格子の座標入力", OnLatticePoints),
      kSeparator,
      Dialog(C::RectPage, "ページ(&P)", "フッタページ",
             [](CQelApp& app) { OnPage(app, Problem::RectCircle); }),

      Menu("地盤(&G)"),
      Dialog(C::SoilLayers, "土層(&L)...",
             "地盤の土層: 下端深度、単位体積重量、沈下の計算方法と定数、排水条件", OnSoilLayers),
      Dialog(C::SoilCurves, "e-log p 曲線(&C)...", "圧密試験の e-log p 曲線の点", OnSoilCurves),
      Dialog(C::SoilConditions, "地下水位・分割・時間(&W)...",
             "地下水位、水の単位体積重量、沈下計算の最大分割厚さと時間", OnSoilConditions),
      Dialog(C::SoilStages, "施工段階・圧密計算(&S)...",
             "盛土の施工段階、載荷の時間の扱い、圧密の計算方法、二次圧密の開始と残留沈下の期間",
             OnSoilStages),
      Dialog(C::SoilDrains, "バーチカルドレーン(&D)...",
             "バーチカルドレーンの配置、径、スミア、透水能力、打設深度", OnSoilDrains),
      Dialog(C::SoilPlates, "沈下板の実測値(&P)...", "沈下板の位置と実測沈下量、予測の方法と期間",
             OnSoilPlates),

      Menu("表示(&V)"),
      {.id = C::ViewToolBar,
       .text = "ﾂｰﾙ ﾊﾞｰ(&T)",
       .prompt = "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え",
       .indicator = Indicator::Check,
       .run =
           [](CQelApp& app) {
             CMainFrame& frame = FrameOf(app);
             frame.toolBar()->setVisible(frame.CommandAction(C::ViewToolBar)->isChecked());
           },
       .checkedWhen = [](CQelApp& app) { return !FrameOf(app).toolBar()->isHidden(); }},
      {.id = C::ViewStatusBar,
       .text = "ｽﾃｰﾀｽ ﾊﾞｰ(&S)",
       .prompt = "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え",
       .indicator = Indicator::Check,
       .run =
           [](CQelApp& app) {
             CMainFrame& frame = FrameOf(app);
             frame.statusBar()->setVisible(frame.CommandAction(C::ViewStatusBar)->isChecked());
           },
       .checkedWhen = [](CQelApp& app) { return !FrameOf(app).statusBar()->isHidden(); }},
  };
  AddDisplayCommands(rows);
  const std::vector<Row> afterDisplays = {
      kSeparator,
      // Ctrl++ is Ctrl+Shift+= on many keyboards: Ctrl+= zooms in as well.
      {.id = C::ZoomIn,
       .text = "拡大(&I)",
       .prompt = "ページを拡大して表示\n拡大",
       .keys = "Ctrl++; Ctrl+=",
       .run = [](CQelApp& app) { ViewOf(app).ZoomIn(); },
       .toolbar = 42,
       .icon = "zoom-in"},
      {.id = C::ZoomOut,
       .text = "縮小(&O)",
       .prompt = "ページを縮小して表示\n縮小",
       .keys = "Ctrl+-",
       .run = [](CQelApp& app) { ViewOf(app).ZoomOut(); },
       .toolbar = 41,
       .icon = "zoom-out"},
      {.id = C::ZoomActualSize,
       .text = "印刷サイズ 100%(&Z)",
       .prompt = "印刷されるサイズで表示\n100%",
       .keys = "Ctrl+0",
       .run = [](CQelApp& app) { ViewOf(app).ZoomActualSize(); }},
      {.id = C::ZoomFitPage,
       .text = "ページ全体(&P)",
       .prompt = "ページ全体をウィンドウに合わせて表示\nページ全体",
       .indicator = Indicator::Check,
       .run = [](CQelApp& app) { ViewOf(app).ZoomFitPage(); },
       .checkedWhen =
           [](CQelApp& app) { return ViewOf(app).shownZoom().mode == ZoomMode::FitPage; },
       .toolbar = 43,
       .icon = "fit-page"},
      {.id = C::ZoomFitWidth,
       .text = "幅に合わせる(&W)",
       .prompt = "ページの幅をウィンドウに合わせて表示\n幅に合わせる",
       .indicator = Indicator::Check,
       .run = [](CQelApp& app) { ViewOf(app).ZoomFitWidth(); },
       .checkedWhen =
           [](CQelApp& app) { return ViewOf(app).shownZoom().mode == ZoomMode::FitWidth; },
       .toolbar = 44,
       .icon = "fit-width"},

      Menu("設定(&S)"),
      Dialog(C::StripScale, "縮尺 帯状荷重(&A)", "帯状荷重図の縮尺、表示範囲", OnStripScale),
      Dialog(C::RectScale, "縮尺 長方形円形(&B)", "長方形円形荷重図の縮尺", OnRectScale),
      kSeparator,
      Dialog(C::LineMarginDigits, "線種・マージン・桁数(&Y)", "用紙マージン、線種、結果の桁数など",
             OnLineMarginDigits),
      kSeparator,
      Dialog(C::StripStandardValues, "標準値 帯状荷重(&C)", "タイトル、グリッドの標準初期値設定",
             OnStripStandardValues),
      Dialog(C::RectStandardValues, "標準値 長方形円形(&D)", "タイトルなどの標準データ初期設定",
             OnRectStandardValues),
      kSeparator,
      Dialog(C::FontTitle, "フォント タイトル(&0)", "タイトル（図表のヘッダ）の活字サイズ",
             [](CQelApp& app) { OnChooseFont(app, kTitleFont); }),
      Dialog(C::FontStrip, "フォント 帯状荷重(&1)", "帯状荷重の書体",
             [](CQelApp& app) { OnChooseFont(app, kStripFont); }),
      Dialog(C::FontRectCircle, "フォント 長方形円形(&2)", "長方形円形データの表示書体",
             [](CQelApp& app) { OnChooseFont(app, kRectCircleFont); }),
      Dialog(C::FontPage, "フォント ページ(&3)", "ページ文字の書体",
             [](CQelApp& app) { OnChooseFont(app, kPageFont); }),
      kSeparator,
      Dialog(C::KeyBehaviour, "キーの動作(&E)", "Enterキーに対する応答", OnKeyBehaviour),
      kSeparator,
      {.level = 1, .entry = Entry::Menu, .text = "円形荷重の計算方法", .name = "circleMethodMenu"},
      CircleMethodItem(CircleMethod::kExact, "厳密解", "circleMethod_exact"),
      CircleMethodItem(CircleMethod::kCompatible, "旧版互換", "circleMethod_compatible"),

      Menu("ﾍﾙﾌﾟ(&H)"),
      {.id = C::AppAbout,
       .text = "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
       .prompt = "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報",
       .run = [](CQelApp& app) { CAboutDlg(app.mainFrame()).exec(); },
       .toolbar = 22,
       .icon = "about"},
      Dialog(C::Help, "操作＆ヘルプ(&H)", "", OnHelp),
      {.text = "計算の検証...",
       .run =
           [](CQelApp& app) {
             VerificationDialog(app.mainFrame(), app.services().chooser, app.services().prompts,
                                app.document().GetPathName())
                 .exec();
           },
       .name = "verifyCalculation"},
  };
  rows.insert(rows.end(), afterDisplays.begin(), afterDisplays.end());
  AddKindButtons(rows);
  return rows;
}

}  // namespace

const std::vector<CommandRow>& CommandTable() {
  static const std::vector<CommandRow> table = MakeTable();
  return table;
}

const CommandRow* FindCommand(CommandId id) {
  for (const CommandRow& row : CommandTable())
    if (row.id == id) return &row;
  return nullptr;
}

std::string CommandStepName(CommandId id) {
  const CommandRow* row = FindCommand(id);
  if (!row || !row->text) return {};
  std::string name = row->text;
  const std::size_t mnemonic = name.find("(&");
  if (mnemonic != std::string::npos) {
    const std::size_t close = name.find(')', mnemonic);
    name.erase(mnemonic, close == std::string::npos ? std::string::npos : close - mnemonic + 1);
  }
  while (!name.empty() && (name.back() == '.' || name.back() == ' '))
    name.pop_back();
  return name;
}

}  // namespace qel
