// The texts and prompts of the menu and tool bar commands.
#include "app/commands.h"

#include <array>
#include <string>

#include "view/display_table.h"

namespace qel {

namespace {

// The key of each display, [DisplayIndex]: Ctrl and its number up to 9, then Ctrl+Alt and the
// number's last digit (Ctrl+0 is the printed size).
const std::array<std::string, kDisplayRows>& DisplayShortcuts() {
  static const std::array<std::string, kDisplayRows> keys = [] {
    std::array<std::string, kDisplayRows> made;
    for (const DisplayRow& row : kDisplays)
      made[DisplayIndex(row.mode)] = row.number <= 9
                                         ? "Ctrl+" + std::to_string(row.number)
                                         : "Ctrl+Alt+" + std::to_string(row.number % 10);
    return made;
  }();
  return keys;
}

// The commands of the displays and of the tool bar's kind buttons, from the table of displays;
// a command that both problems' rows share once.
void AddDisplayCommands(std::vector<CommandText>& texts) {
  for (const DisplayRow& row : kDisplays)
    if (*DisplayOfCommand(row.command) == row.mode)
      texts.push_back({row.command, row.menuText, row.prompt,
                       DisplayShortcuts()[DisplayIndex(row.mode)].c_str()});
  for (const DisplayKindRow& kind : kDisplayKinds)
    texts.push_back({kind.toolbarCommand, nullptr, kind.prompt, nullptr});
}

}  // namespace

const std::vector<CommandText>& CommandTexts() {
  static const std::vector<CommandText> texts = [] {
    std::vector<CommandText> all = {
        {CommandId::FileNew, "新規作成(&N)", "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ", "Ctrl+N"},
        {CommandId::FileOpen, "開く(&O)...", "既存のﾌｧｲﾙを開く\n開く", "Ctrl+O"},
        {CommandId::FileSave, "上書き保存(&S)", "作業中のﾌｧｲﾙを上書きして保存\n保存", "Ctrl+S"},
        {CommandId::FileSaveAs, "名前を付けて保存(&A)...",
         "作業中のﾌｧｲﾙを別名で保存\n名前を付けて保存", nullptr},
        {CommandId::FileSaveReport, "報告書をPDFで保存(&D)...",
         "内容のあるすべての表示を1つのPDFファイルに保存\n報告書をPDFで保存", nullptr},
        {CommandId::FileSaveTableCsv, "表をCSVで保存(&C)...",
         "表示中の表をCSVファイルに保存（図とグラフのときはその問題の計算結果）\n表をCSVで保存",
         nullptr},
        {CommandId::FilePrint, "印刷(&P)...", "作業中のﾌｧｲﾙを印刷\n印刷", "Ctrl+P"},
        {CommandId::FilePrintAll, "すべての表示を印刷(&L)...",
         "内容のあるすべての表示を順に印刷\nすべての表示を印刷", nullptr},
        {CommandId::FilePrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", "ﾌﾙ ﾍﾟｰｼﾞ表示\n印刷ﾌﾟﾚﾋﾞｭｰ", nullptr},
        {CommandId::FilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", "ﾌﾟﾘﾝﾀおよび印刷ｵﾌﾟｼｮﾝの変更\n印刷設定",
         nullptr},
        {CommandId::AppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "ｱﾌﾟﾘｹｰｼｮﾝを終了\n終了", nullptr},

        {CommandId::EditUndo, "元に戻す(&U)", "直前の変更を取り消す\n元に戻す", "Ctrl+Z"},
        {CommandId::EditRedo, "やり直し(&R)", "取り消した変更をやり直す\nやり直し", "Ctrl+Y"},
        {CommandId::EditCopy, "コピー(&C)",
         "表示中の表をタブ区切りの文字でクリップボードにコピー\nコピー", "Ctrl+C"},

        {CommandId::StripTitleStyle, "タイトル・様式(&T)",
         "図表のタイトル、図のグリッド、計算経過表示", nullptr},
        {CommandId::StripIsobars, "等圧線(&I)...", "断面図に重ねる等圧線（圧力球根）の表示と値",
         nullptr},
        {CommandId::StripLoad1, "荷重1 (&1)", "帯状荷重1", nullptr},
        {CommandId::StripLoad2, "荷重2 (&2)", "帯状荷重2", nullptr},
        {CommandId::StripPoints, "計算点(&X)", "地中の計算点 x座標と深度z 入力", nullptr},
        {CommandId::StripPage, "ページ(&P)", "フッタ、ページ", nullptr},

        {CommandId::RectTitleStyle, "タイトル・様式(&T)",
         "図表のタイトル、図のグリッド、計算経過表示", nullptr},
        {CommandId::RectIsobars, "等圧線(&I)...",
         "平面図に重ねる等圧線（圧力球根）の表示、値と深度", nullptr},
        {CommandId::RectLoads, "長方形荷重(&R)", "等分布 長方形荷重データ", nullptr},
        {CommandId::CircleLoads, "円形荷重(&C)", "等分布 円形荷重", nullptr},
        {CommandId::LatticePoints, "計算点(&X)", "地中の計算点 XYZ格子の座標入力", nullptr},
        {CommandId::RectPage, "ページ(&P)", "フッタページ", nullptr},

        {CommandId::ViewToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)", "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え",
         nullptr},
        {CommandId::ViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)",
         "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え", nullptr},
        {CommandId::ZoomIn, "拡大(&I)", "ページを拡大して表示\n拡大", "Ctrl++"},
        {CommandId::ZoomOut, "縮小(&O)", "ページを縮小して表示\n縮小", "Ctrl+-"},
        {CommandId::ZoomActualSize, "印刷サイズ 100%(&Z)", "印刷されるサイズで表示\n100%",
         "Ctrl+0"},
        {CommandId::ZoomFitPage, "ページ全体(&P)",
         "ページ全体をウィンドウに合わせて表示\nページ全体", nullptr},
        {CommandId::ZoomFitWidth, "幅に合わせる(&W)",
         "ページの幅をウィンドウに合わせて表示\n幅に合わせる", nullptr},

        {CommandId::SoilLayers, "土層(&L)...",
         "地盤の土層: 下端深度、単位体積重量、沈下の計算方法と定数、排水条件", nullptr},
        {CommandId::SoilCurves, "e-log p 曲線(&C)...", "圧密試験の e-log p 曲線の点", nullptr},
        {CommandId::SoilConditions, "地下水位・分割・時間(&W)...",
         "地下水位、水の単位体積重量、沈下計算の最大分割厚さと時間", nullptr},

        {CommandId::StripScale, "縮尺 帯状荷重(&A)", "帯状荷重図の縮尺、表示範囲", nullptr},
        {CommandId::RectScale, "縮尺 長方形円形(&B)", "長方形円形荷重図の縮尺", nullptr},
        {CommandId::LineMarginDigits, "線種・マージン・桁数(&Y)",
         "用紙マージン、線種、結果の桁数など", nullptr},
        {CommandId::StripStandardValues, "標準値 帯状荷重(&C)",
         "タイトル、グリッドの標準初期値設定", nullptr},
        {CommandId::RectStandardValues, "標準値 長方形円形(&D)", "タイトルなどの標準データ初期設定",
         nullptr},
        {CommandId::FontTitle, "フォント タイトル(&0)", "タイトル（図表のヘッダ）の活字サイズ",
         nullptr},
        {CommandId::FontStrip, "フォント 帯状荷重(&1)", "帯状荷重の書体", nullptr},
        {CommandId::FontRectCircle, "フォント 長方形円形(&2)", "長方形円形データの表示書体",
         nullptr},
        {CommandId::FontPage, "フォント ページ(&3)", "ページ文字の書体", nullptr},
        {CommandId::KeyBehaviour, "キーの動作(&E)", "Enterキーに対する応答", nullptr},

        {CommandId::AppAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
         "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報", nullptr},
        {CommandId::Help, "操作＆ヘルプ(&H)", "", nullptr},
    };
    AddDisplayCommands(all);
    return all;
  }();
  return texts;
}

const CommandText* FindCommandText(CommandId id) {
  for (const CommandText& text : CommandTexts())
    if (text.id == id) return &text;
  return nullptr;
}

std::string CommandStepName(CommandId id) {
  const CommandText* text = FindCommandText(id);
  if (!text || !text->menuText) return {};
  std::string name = text->menuText;
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
