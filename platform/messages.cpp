// The string table of user-facing messages.
#include "platform/messages.h"

#include <map>

namespace qel {

std::string MessageText(int id) {
  static const std::map<int, std::string> table = {
      {msg::kConfirmCancel, "データが変更されましたが、キャンセルしてよいのですか？"},
      {msg::kFooterOffPaper, "フッタ表示位置が用紙外の可能性があります \n( %1 mm)"},
      {msg::kCannotAdd, "追加できません."},
      {msg::kTooMuchData, "これ以上データを扱えません"},
      {msg::kNoData, "データがありません"},
      {msg::kUnsuitableData, "不適当なデータです"},
      {msg::kAbnormalValue, "数値が異常です"},
      {msg::kNotStandardExtension, "標準の拡張子ではありません"},
      {msg::kFileNotFound, "ファイルが見つかりません\n( %1 )"},
      {msg::kCannotSave, "保存できませんでした"},
      {msg::kNegativeData, "データが負です。正にして下さい。"},
      {msg::kXNotAscending, "Ｘ座標が昇順ではありません."},
      {msg::kNotADataFile, "本ソフトのデータファイルではありません"},
      {msg::kTooManyRows, "扱える最大行を超えました."},
      {msg::kYNotAscending, "Y座標が昇順ではありません."},
      {msg::kCannotRun, "実行できませんでした"},
      {msg::kUnencodableCharacter,
       "保存できませんでした\n文字「%1」(%2) はShift-JISのファイルに書けません。\n"
       "この文字を別の文字に直してから保存して下さい。"},
      {msg::kReplaceExisting, "%1 は既に存在します。\n上書きしますか?"},
      {msg::kIdleStatus, "図は←→、データ・結果は↑↓PageUp PageDownで改ページ"},
  };
  auto it = table.find(id);
  return it == table.end() ? std::string() : it->second;
}

static void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t pos = text.find(from); pos != std::string::npos;
       pos = text.find(from, pos + to.size())) {
    text.replace(pos, from.size(), to);
  }
}

std::string MessageText(int id, const std::string& arg1, const std::string& arg2) {
  std::string text = MessageText(id);
  // Replace %2 first so that an argument containing "%2" is left as it is.
  ReplaceAll(text, "%2", arg2);
  ReplaceAll(text, "%1", arg1);
  return text;
}

}  // namespace qel
