// The commands of the settings menu and the help menu's help text: each opens its dialog and
// keeps what was confirmed.
#pragma once

namespace qel {

class CQelApp;

// "縮尺 帯状荷重" / "縮尺 長方形円形": the scales and print range of a figure; saved in Sys.ndx.
void OnStripScale(CQelApp& app);
void OnRectScale(CQelApp& app);
// "線種・マージン・桁数": lines, colours, margins, digits; saved in Sys.ndx.
void OnLineMarginDigits(CQelApp& app);
// "標準値 帯状荷重" / "標準値 長方形円形": standard titles and grid; saved in Sys.ndx.
void OnStripStandardValues(CQelApp& app);
void OnRectStandardValues(CQelApp& app);
// "フォント ...": the platform's font dialog for font slot 1..4; saved in that slot's file.
void OnChooseFont(CQelApp& app, int slot);
// "キーの動作": the Enter key of the data-entry dialogs; saved in Sys.ndx.
void OnKeyBehaviour(CQelApp& app);
// "操作＆ヘルプ": the help text.
void OnHelp(CQelApp& app);

}  // namespace qel
