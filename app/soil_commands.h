// The soil menu's commands: each opens its dialog over the document's soil profile section (the
// modified mark follows what a save writes).
#pragma once

namespace qel {

class CQelApp;

// Connects "土層", "e-log p 曲線" and "地下水位・分割・時間".
void ConnectSoilCommands(CQelApp& app);

}  // namespace qel
