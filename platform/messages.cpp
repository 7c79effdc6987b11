// The string table of user-facing messages.
#include "platform/messages.h"

#include <map>

namespace qel {

std::string MessageText(MessageId id) {
  static const std::map<MessageId, std::string> table = {
      {MessageId::ConfirmCancel, "データが変更されましたが、キャンセルしてよいのですか？"},
      {MessageId::FooterOffPaper, "フッタ表示位置が用紙外の可能性があります \n( %1 mm)"},
      {MessageId::CannotAdd, "追加できません。"},
      {MessageId::TooMuchData, "これ以上データを扱えません"},
      {MessageId::NoData, "データがありません"},
      {MessageId::UnsuitableData, "不適当なデータです"},
      {MessageId::AbnormalValue, "数値が異常です"},
      {MessageId::NotStandardExtension, "標準の拡張子ではありません"},
      {MessageId::FileNotFound, "ファイルが見つかりません\n( %1 )"},
      {MessageId::CannotSave, "保存できませんでした"},
      {MessageId::NegativeData, "データが負です。正にして下さい。"},
      {MessageId::XNotAscending, "Ｘ座標が昇順ではありません。"},
      {MessageId::NotADataFile, "本ソフトのデータファイルではありません"},
      {MessageId::TooManyRows, "扱える最大行を超えました。"},
      {MessageId::YNotAscending, "Y座標が昇順ではありません。"},
      {MessageId::CannotRun, "実行できませんでした"},
      {MessageId::UnencodableCharacter,
       "保存できませんでした\n文字「%1」(%2) はShift-JISのファイルに書けません。\n"
       "この文字を別の文字に直してから保存して下さい。"},
      {MessageId::ReplaceExisting, "%1 は既に存在します。\n上書きしますか?"},
      {MessageId::SaveChanges, "「%1」への変更を保存しますか?"},
      {MessageId::RefusedCharacter,
       "\"（二重引用符）、「$$」と改行はデータファイルに保存できないため入力できません."},
      {MessageId::NotRegularFile, "通常のファイルではないため読めません\n( %1 )"},
      {MessageId::FileTooLarge,
       "ファイルが大きすぎます\n( %1 )\n%2 MB を超えるファイルは読みません。"},
      {MessageId::ReadAsUtf8,
       "UTF-8 のファイルとして読みました。\n保存すると Shift-JIS のファイルになります。\n( %1 )"},
      {MessageId::FileEndsEarly,
       "ファイルが途中で終わっています。\n読めたところまでを表示します。\n( %1 )"},
      {MessageId::OverlongLines,
       "長すぎる行が %1 行ありました。\n各行の先頭 %2 バイトまでを読みました。"},
      {MessageId::SaveDiskFull, "保存できませんでした\nディスクの空きが足りません。\n( %1 )"},
      {MessageId::SaveNotPermitted, "保存できませんでした\n書き込みが許可されていません。\n( %1 )"},
      {MessageId::SaveIoError, "保存できませんでした\n入出力エラーが起きました。\n( %1 )"},
      {MessageId::SaveFailedBecause, "保存できませんでした\n( %1 )\n%2"},
      {MessageId::SaveNoReader,
       "保存できませんでした\nパイプを読み出すプログラムがありません。\n( %1 )"},
      {MessageId::DataFolderUnusable,
       "データフォルダを使用できません\n( %1 )\n標準の設定 ( %2 ) で動作します。"},
      {MessageId::FigureExtentCut, "図が広すぎるため、%1 ページ ( x = %2 m ) までとしました"},
      {MessageId::ImageTooLarge,
       "画像が大きすぎます ( %1 ピクセル )\n%2 ピクセルまでの画像を作れます。"},
      {MessageId::ImageOutOfMemory, "メモリが足りないため画像を作れませんでした ( %1 ピクセル )"},
      {MessageId::NotAnInteger, "整数を入力して下さい。"},
      {MessageId::IntegerOutOfRange, "%1 から %2 までの整数を入力して下さい。"},
      {MessageId::NotANumber, "数値を入力して下さい。"},
      {MessageId::SectionMarkerInText,
       "「$$」は使えません。\nデータファイルの区切りと見なされ、データが失われます。"},
      {MessageId::PrintableWidth, "１ページの印刷横幅は\n約 %1 mです"},
      {MessageId::PrintableHeight, "１ページの印刷縦幅は\n約 %1 mです"},
      {MessageId::NoDrawingLength, "作図長さがありません"},
      {MessageId::UnencodableInField,
       "文字「%1」(%2) はShift-JISのファイルに書けません。\n別の文字に直して下さい。"},
      {MessageId::NotAColour,
       "色は 0x000000 から 0xffffff までの値で入力して下さい。\n(0x "
       "に続く6桁の16進数、青緑赤の順)"},
      {MessageId::PageOfPages, "ページ %1 / %2"},
      {MessageId::PrintToPdfNoPrinter, "プリンタがありません - PDFファイルに保存"},
      {MessageId::PdfSaved, "%1 に保存しました"},
      {MessageId::NothingToReport,
       "報告書にする表示がありません。\n荷重または計算点のデータを入力して下さい。"},
      {MessageId::SaveReportTitle, "報告書をPDFで保存"},
      {MessageId::UnknownOption,
       "「%1」というオプションはないため、開きませんでした。\n"
       "この名前のファイルを開くには qel -- %1 として下さい。"},
      {MessageId::SectionMarkerInField,
       "保存できませんでした\n%1 に「$$」があります。\n"
       "データファイルの区切りと見なされるため、直してから保存して下さい。"},
      {MessageId::ReadNotPermitted, "読み込みが許可されていないため開けません\n( %1 )"},
      {MessageId::LinkLoop, "シンボリックリンクが循環しているため開けません\n( %1 )"},
      {MessageId::LoadsNotAsTyped, "入力どおりには計算されない荷重があります ( %1 )\n%2"},
      {MessageId::PointsNotAsTyped, "入力どおりには計算されない計算点があります ( %1 )\n%2"},
      {MessageId::UnreadFigureLines,
       "図の設定 ($$FIG) に読めない行が %1 行ありました。\n"
       "これらの行はそのまま残し、保存するときも書き戻します。\n( %2 )"},
      {MessageId::IsobarLevelsCut, "等圧線の値が多すぎます ( %1 )\n%2"},
      {MessageId::OverlapReset,
       "改ページ重複距離 %1 m がＸ（横）範囲 %2 m 以上のため、0 にしました。\n"
       "縮尺の画面をもう一度開きますので、確かめて下さい。"},
      {MessageId::HelpFileMissing,
       "開いて印刷できませんでした\nファイルが見つかりません。\n( %1 )"},
      {MessageId::NoProgramForText,
       "開いて印刷できませんでした\nテキストファイルを開くプログラムを起動できません。\n( %1 )"},
      {MessageId::OutputIsInput,
       "元のデータファイルと同じファイルには書き出せません。\n別のファイル名を指定して下さい。\n( "
       "%1 )"},
      {MessageId::SaveTableTitle, "表をCSVで保存 - %1"},
      {MessageId::IdleStatus, "図は←→、データ・結果は↑↓PageUp PageDownで改ページ"},
  };
  auto it = table.find(id);
  return it == table.end() ? std::string() : it->second;
}

std::string MessageText(MessageId id, const std::string& arg1, const std::string& arg2) {
  // One pass over the message's own text: an argument that itself holds "%1" or "%2" (a file
  // name, say) is inserted as it stands and never substituted again.
  const std::string pattern = MessageText(id);
  std::string text;
  text.reserve(pattern.size() + arg1.size() + arg2.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      text += pattern[i + 1] == '1' ? arg1 : arg2;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace qel
